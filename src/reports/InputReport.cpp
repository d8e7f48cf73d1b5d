#include "reports/InputReport.h"

#include "model/Error.h"
#include "model/Model.h"
#include "reports/ReportHead.h"

#include <initializer_list>

namespace venkar {

namespace {

const char* const dashRule = "------------------------------------------------------------------\n";

char yesNo(int flag) {
    return flag == 0 ? 'N' : 'J';
}

// One block: an empty line, title, rule, headings, rule, a line per defined
// row, two line ends. An empty table writes nothing.
template <class Record, class WriteLine>
void writeBlock(std::string& out, TableHeadRecorder& heads, const Table<Record>& table,
                const char* title, std::initializer_list<const char*> headings,
                WriteLine writeLine) {
    if (table.definedCount() == 0)
        return;
    out += "\n";
    heads.beginHead();
    out += title;
    out += "\n";
    out += dashRule;
    for (const char* heading : headings)
        out += heading;
    out += dashRule;
    heads.beginBody();
    for (int row : table.definedRows())
        writeLine(row + 1, table.row(row));
    heads.endTable();
    out += "\n\n";
}

void writeSystemBlocks(std::string& out, TableHeadRecorder& heads, const Model& model) {
    writeBlock(out, heads, model.nodes, "Knoten",
               {"         Knotenkoordinaten          Auflager\n",
                "   Nr      r          z          r z R   Schiefstellung (in°)\n"},
               [&](int number, const NodeRecord& n) {
                   appendFormat(out, "%5d %#10.4g %#10.4g      %c %c %c   %10g\n", number, n.r, n.z,
                                yesNo(n.supportR), yesNo(n.supportZ), yesNo(n.supportRot),
                                n.skewAngle);
               });
    writeBlock(out, heads, model.shells, "Schalen",
               {"        Knotennummer  \n", "Schale  Anfang  Ende    Mat.   Krümmung    Radius\n"},
               [&](int number, const ShellRecord& s) {
                   appendFormat(out, "%5d   %5d  %5d  %5d     %5s %#10.4g\n", number, s.startNode,
                                s.endNode, s.material, s.curvature == 0 ? "Innen" : "Außen",
                                s.radius);
               });
    writeBlock(out, heads, model.materials, "Materialien",
               {"   Nr   E-Modul   Wanddicke Querkontraktion Spf.Gewicht El.Bettung\n"},
               [&](int number, const MatRecord& m) {
                   appendFormat(out, "%5d %#10.4g %#10.4g %#10.4g       %#10.4g%#10.4g\n", number,
                                m.youngsModulus, m.wallThickness, m.poissonRatio, m.specificWeight,
                                m.beddingModulus);
               });
    writeBlock(out, heads, model.hinges, "Gelenke",
               {"                          Gelenke\n", "   Nr  Schale x-Position   N Q M\n"},
               [&](int number, const HingeRecord& h) {
                   appendFormat(out, "%5d %5d   %#10.4g   %c %c %c\n", number, h.shell, h.xPosition,
                                yesNo(h.releaseN), yesNo(h.releaseQ), yesNo(h.releaseM));
               });
    writeBlock(out, heads, model.rings, "Ringträger",
               {"                                           gelenkige Verbindung in\n",
                "   Nr Knoten      A          Iy          E      r       R\n"},
               [&](int number, const RingRecord& r) {
                   appendFormat(out, "%5d %5d %#10.4g %#10.4g %#10.4g    %c       %c\n", number,
                                r.node, r.area, r.inertia, r.modulus, yesNo(r.hingedR),
                                yesNo(r.hingedRot));
               });
    writeBlock(out, heads, model.circumferentialSupports, "Umfangsauflager", {"   Nr Knoten  v\n"},
               [&](int number, const SupportVRecord& v) {
                   appendFormat(out, "%5d %5d  %c\n", number, v.node, yesNo(v.held));
               });
    writeBlock(out, heads, model.harmonicRings, "Ringquerschnitte",
               {"   Nr  Ring       Iz         It          G\n"},
               [&](int number, const HarmonicRingRecord& r) {
                   appendFormat(out, "%5d %5d %#10.4g %#10.4g %#10.4g\n", number, r.ring,
                                r.inertiaZ, r.torsionConstant, r.shearModulus);
               });
}

// The loads around the circumference; every angle in degrees.
void writeHarmonicLoadBlocks(std::string& out, TableHeadRecorder& heads, const Model& model) {
    writeBlock(out, heads, model.windLoads, "Windlasten",
               {"                 Staudruck q\n", " Last Schale     Anfang       Ende\n"},
               [&](int number, const WindLoadRecord& w) {
                   appendFormat(out, "%5d  %5d %#10.4g %#10.4g\n", number, w.shell, w.pressureStart,
                                w.pressureEnd);
               });
    writeBlock(out, heads, model.windCoefficients, "Druckbeiwerte",
               {"   Nr     Winkel         cp\n"}, [&](int number, const WindCoefficientRecord& c) {
                   appendFormat(out, "%5d %#10.4g %#10.4g\n", number, c.angle, c.coefficient);
               });
    writeBlock(out, heads, model.harmonicLoads, "Umfangslasten",
               {"                                            Lastkomponenten\n",
                "                    Querrichtung         Längsrichtung        Umfangsrichtung\n",
                " Last Schale   n     Anfang       Ende     Anfang       Ende     Anfang       "
                "Ende      Phase\n"},
               [&](int number, const HarmonicLoadRecord& l) {
                   appendFormat(out,
                                "%5d  %5d %3d %#10.4g %#10.4g %#10.4g %#10.4g %#10.4g %#10.4g "
                                "%#10.4g\n",
                                number, l.shell, l.harmonic, l.normalStart, l.normalEnd,
                                l.meridionalStart, l.meridionalEnd, l.circumferentialStart,
                                l.circumferentialEnd, l.phase);
               });
    writeBlock(out, heads, model.harmonicNodeLoads, "Umfangs-Knotenlasten",
               {"                            Lastkomponenten\n",
                " Last Knoten   n        r          z          v          R      Phase\n"},
               [&](int number, const HarmonicNodeLoadRecord& l) {
                   appendFormat(out, "%5d  %5d %3d %#10.4g %#10.4g %#10.4g %#10.4g %#10.4g\n",
                                number, l.node, l.harmonic, l.forceR, l.forceZ, l.forceV, l.moment,
                                l.phase);
               });
    writeBlock(out, heads, model.angleLoads, "Einzellasten am Umfang",
               {"                                        Kraft\n",
                " Last Knoten     Winkel     Breite          r          z\n"},
               [&](int number, const AngleLoadRecord& l) {
                   appendFormat(out, "%5d  %5d %#10.4g %#10.4g %#10.4g %#10.4g\n", number, l.node,
                                l.angle, l.width, l.forceR, l.forceZ);
               });
    if (model.harmonicCount() > 0)
        appendFormat(out, "\nHarmonische der Einzellasten am Umfang: %d\n", model.harmonicCount());
}

// The stored solid of silos; angles in degrees.
void writeSiloLoadBlocks(std::string& out, TableHeadRecorder& heads, const Model& model) {
    writeBlock(out, heads, model.siloLoads, "Silolasten",
               {"           Schale                                 z Ober-           Entleeren\n",
                " Last    von   bis      Gamma        K       Mü     fläche Zust.     Ch     Cw"
                "    Phi r\n"},
               [&](int number, const SiloLoadRecord& s) {
                   appendFormat(out,
                                "%5d  %5d %5d %#10.4g %#8.4g %#8.4g %#10.4g %5d %#6.3g %#6.3g "
                                "%#8.4g\n",
                                number, s.fromShell, s.toShell, s.unitWeight, s.pressureRatio,
                                s.wallFriction, s.surfaceDepth, s.state, s.dischargeHoop,
                                s.dischargeFriction, s.reposeAngle);
               });
    writeBlock(
        out, heads, model.hopperLoads, "Trichterlasten",
        {"           Schale\n", " Last    von   bis       Mü h          b         Cb      Phi i\n"},
        [&](int number, const HopperLoadRecord& h) {
            appendFormat(out, "%5d  %5d %5d %#10.4g %#10.4g %#10.4g %#10.4g\n", number, h.fromShell,
                         h.toShell, h.hopperFriction, h.factorB, h.bottomMagnifier,
                         h.internalFriction);
        });
    writeBlock(out, heads, model.siloPatches, "Teilflächenlasten",
               {" Last Silolast   Tiefe zp        Cop         ef\n"},
               [&](int number, const SiloPatchRecord& p) {
                   appendFormat(out, "%5d %8d %#10.4g %#10.4g %#10.4g\n", number, p.siloRow,
                                p.patchDepth, p.patchFactor, p.eccentricity);
               });
}

void writeLoadBlocks(std::string& out, TableHeadRecorder& heads, const Model& model) {
    writeBlock(out, heads, model.nodeLoads, "Knotenlasten",
               {"                        Lastkomponenten\n",
                " Last Knoten        r          z          R\n"},
               [&](int number, const NodeLoadRecord& l) {
                   appendFormat(out, "%5d  %5d %#10.4g %#10.4g %#10.4g\n", number, l.node, l.loadR,
                                l.loadZ, l.loadM);
               });
    writeBlock(out, heads, model.shellLoads, "Flächenlasten",
               {"                                  Lastkomponenten\n",
                "         Schale          Querrichtung         Längsrichtung\n",
                " Last   von   bis     Anfang       Ende     Anfang       Ende\n"},
               [&](int number, const ShellLoadRecord& l) {
                   appendFormat(out, "%5d %5d %5d %#10.4g %#10.4g %#10.4g %#10.4g\n", number,
                                l.fromShell, l.toShell, l.transverseStart, l.transverseEnd,
                                l.longitudinalStart, l.longitudinalEnd);
               });
    writeBlock(out, heads, model.pointLoads, "Einzellasten",
               {"                                  Lastkomponenten\n",
                " Last Schale     xPos          r          z          R\n"},
               [&](int number, const PointLoadRecord& l) {
                   appendFormat(out, "%5d  %5d %#10.4g %#10.4g %#10.4g %#10.4g\n", number, l.shell,
                                l.xPosition, l.loadR, l.loadZ, l.loadM);
               });
    writeBlock(out, heads, model.constraintLoads, "Zwangsverschiebungen",
               {"              Zwangsverschiebung in Richtung\n",
                "   Nr Knoten        r          z          R\n"},
               [&](int number, const ZwvRecord& d) {
                   appendFormat(out, "%5d %5d %#10.4g %#10.4g %#10.4g\n", number, d.node, d.dispR,
                                d.dispZ, d.dispRot);
               });
    writeBlock(out, heads, model.waterLoads, "Wasserlasten",
               {"          Schale    Nullpunkt  Wichte Gamma\n", " Last   von   bis \n"},
               [&](int number, const WaterLoadRecord& w) {
                   appendFormat(out, "%5d %5d %5d %#10.4g   %#10.4g\n", number, w.fromShell,
                                w.toShell, w.zeroLevel, w.unitWeight);
               });
    writeBlock(out, heads, model.snowLoads, "Schneelasten",
               {"          Schale    Betrag\n", " Last   von   bis \n"},
               [&](int number, const SnowLoadRecord& s) {
                   appendFormat(out, "%5d %5d %5d %#10.4g\n", number, s.fromShell, s.toShell,
                                s.amount);
               });
    writeBlock(out, heads, model.tempLoads, "Temperaturlasten",
               {"          Schale          Temperatur\n",
                " Last   von   bis  gleichmässige ungleichmässige\n"},
               [&](int number, const TempLoadRecord& t) {
                   appendFormat(out, "%5d %5d %5d %#10.4g %#10.4g\n", number, t.fromShell,
                                t.toShell, t.uniformTemp, t.gradientTemp);
               });
    writeHarmonicLoadBlocks(out, heads, model);
    writeSiloLoadBlocks(out, heads, model);
}

} // namespace

ReportText composeInputReport(const Model& model, const ReportHead& head) {
    ReportText report;
    std::string& out = report.text;
    TableHeadRecorder heads(out, report.tableHeads);
    out = "Venkar - Ausdruck der Eingabewerte\n\n";
    writeReportHead(out, head);
    out += "============================= System =============================\n";
    writeSystemBlocks(out, heads, model);
    out += "\n========================== Belastungen ===========================\n";
    if (model.selfWeight())
        out += "\nUnter Berücksichtigung des Eigengewichtes\n";
    writeLoadBlocks(out, heads, model);
    return report;
}

std::string writeInputReport(const Model& model, const ReportHead& head) {
    return composeInputReport(model, head).text;
}

} // namespace venkar
