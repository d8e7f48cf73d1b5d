#pragma once

// The help context numbers of the windows, grids and dialogs. A window hands
// its number to HelpBrowser::showContext (F1); every number leads to a page
// of the help or to a section of one.
namespace venkar::help {

inline constexpr int mainWindow = 10030;
inline constexpr int systemWindow = 10050;
inline constexpr int loadWindow = 10055;
inline constexpr int nodeGrid = 10080;
inline constexpr int shellGrid = 10085;
inline constexpr int materialGrid = 10090;
inline constexpr int hingeGrid = 10095;
inline constexpr int ringGrid = 10100;
inline constexpr int nodeLoadGrid = 10110;
inline constexpr int shellLoadGrid = 10115;
inline constexpr int pointLoadGrid = 10120;
inline constexpr int constraintGrid = 10125;
inline constexpr int waterGrid = 10130;
inline constexpr int snowGrid = 10135;
inline constexpr int graphWindow = 10140;
inline constexpr int editorAndMarginsDialog = 10150;
inline constexpr int configurationWindow = 10155;
inline constexpr int temperatureGrid = 10160;
inline constexpr int shapeDialog = 10165;
inline constexpr int circumferentialSupportGrid = 10170;
inline constexpr int ringSectionGrid = 10175;
inline constexpr int windGrid = 10180;
inline constexpr int pressureCoefficientGrid = 10185;
inline constexpr int harmonicLoadGrid = 10190;
inline constexpr int harmonicNodeLoadGrid = 10195;
inline constexpr int angleLoadGrid = 10200;
inline constexpr int siloLoadGrid = 10205;
inline constexpr int hopperLoadGrid = 10210;
inline constexpr int siloPatchGrid = 10215;
inline constexpr int bucklingWindow = 10220;

} // namespace venkar::help
