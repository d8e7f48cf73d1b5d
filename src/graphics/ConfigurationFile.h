#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace venkar {

class SettingNode;

// The configuration file keeps every setting that differs from its default,
// one line "key = value" per setting, the key being the labels from the root
// down to the node without separators. It is written in Windows-1252.

// Where the program's configuration file lives: the program file's name with
// "dat" in place of its extension ("venkar" gives "venkar.dat"), next to the
// program when that folder is writable, else in the user's configuration
// folder ($XDG_CONFIG_HOME/venkar, or ~/.config/venkar). `programPath` is
// the absolute path of the program file (a bare name would be taken as lying
// in the current folder).
std::filesystem::path configurationFilePath(const std::filesystem::path& programPath);

// The configuration file whose plot settings a companion program (such as
// venkar-batch at `programPath`) uses by default: that of the program
// "venkar" in the same folder.
std::string defaultPlotConfiguration(const std::string& programPath);

// The user's configuration folder for the program: $XDG_CONFIG_HOME/venkar
// when that variable holds an absolute path, else $HOME/.config/venkar.
std::filesystem::path userConfigurationFolder();

// Applies the lines of a configuration text to the tree below `root`: the
// text before the first "=" (trimmed of blanks and control characters) is
// the key, the trimmed rest the value. Lines whose key names no value node
// are ignored; a later line for the same key wins. The text is read as UTF-8
// when it is well-formed UTF-8, else as Windows-1252. Throws VenkarError
// "Line to long" for a line the line reader refuses; the lines before it
// have taken effect.
void readSettingsText(SettingNode& root, std::string_view bytes);
// The same for several trees kept in one file (the program's settings and
// its list of recent files): each line goes to every tree, and the tree
// that has a node with its key takes it.
void readSettingsText(std::initializer_list<SettingNode*> roots, std::string_view bytes);

// Reads the file; a file that cannot be opened keeps every value as it is.
// Throws as readSettingsText.
void readSettings(SettingNode& root, const std::filesystem::path& file);
void readSettings(std::initializer_list<SettingNode*> roots, const std::filesystem::path& file);

// The file content for the tree below `root`: the changed values in depth
// first order, encoded in Windows-1252. If a text holds a character the code
// page cannot represent, the whole content stays UTF-8 so that nothing is
// lost (the reader accepts both). Empty when nothing differs from its
// default.
std::string settingsFileText(const SettingNode& root);
// The changed values of several trees, tree after tree, encoded as one.
std::string settingsFileText(std::initializer_list<const SettingNode*> roots);

// Replaces the file with settingsFileText atomically, creating its folder
// when missing. Returns false when the file could not be written; the file
// then keeps its earlier content.
bool writeSettings(const SettingNode& root, const std::filesystem::path& file);
bool writeSettings(std::initializer_list<const SettingNode*> roots,
                   const std::filesystem::path& file);

} // namespace venkar
