// Runs the QtTest classes of the graph window one after the other; any
// failure makes the exit status non-zero.
#include <QApplication>

#include <clocale>

int runGraphWindowTests(int argc, char** argv);
int runGraphWindowReadingTests(int argc, char** argv);
int runGraphPrintingTests(int argc, char** argv);
int runConfigurationWindowTests(int argc, char** argv);
int runGraphToolBarTests(int argc, char** argv);
int runGraphAroundTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    int failures = 0;
    failures += runGraphWindowTests(argc, argv);
    failures += runGraphWindowReadingTests(argc, argv);
    failures += runGraphPrintingTests(argc, argv);
    failures += runConfigurationWindowTests(argc, argv);
    failures += runGraphToolBarTests(argc, argv);
    failures += runGraphAroundTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
