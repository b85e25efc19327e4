// A user whose locale writes decimal commas: the toolkit sets that locale for the whole
// process, and still every file the workbench writes carries points, byte for byte the same
// as in the C locale.
#include <QtTest>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/app/DerivedFileNames.h"
#include "core/engine/EstimateCommand.h"
#include "core/results/TableCommands.h"
#include "tests/gui/EcsiWorkbench.h"

using namespace qv;
using namespace qv::test;

namespace {

std::string readBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The control file, the listing and every result table of an ECSI estimate.
std::map<std::string, std::string> estimateFiles() {
    EcsiWorkbench ecsi;
    std::map<std::string, std::string> files;
    if (!EstimateCommand(ecsi.workbench).run()) return files;
    TableCommands tables(ecsi.workbench);
    for (bool (TableCommands::*command)() :
         {&TableCommands::loadingsTable, &TableCommands::correlationTable,
          &TableCommands::reliabilityTable, &TableCommands::factorScores,
          &TableCommands::factorStructure})
        if (!(tables.*command)()) return files;
    const ProjectFiles& names = ecsi.workbench.files();
    files["pls"] = readBytes(names.pls);
    files["out"] = readBytes(names.result);
    for (const char* suffix : {"_cfa.csv", "_cor.csv", "_ave.csv", "_fs.csv", "_efa.csv"})
        files[suffix] = readBytes(modelFileName(names.project, suffix));
    return files;
}

}  // namespace

class CommaLocaleTest : public QObject {
    Q_OBJECT

private slots:
    void estimateAndTablesAreWrittenWithPoints() {
        if (std::string(std::localeconv()->decimal_point) != ",")
            QSKIP("the locale de_DE.UTF-8 is not installed");
        if (!StartFolder().hasEngine()) QSKIP("the engine is not built");
        const auto comma = estimateFiles();
        QCOMPARE(comma.size(), size_t{7});
        std::setlocale(LC_ALL, "C");
        const auto point = estimateFiles();
        std::setlocale(LC_ALL, "");
        QCOMPARE(point.size(), size_t{7});
        for (const auto& [name, bytes] : point) QVERIFY2(comma.at(name) == bytes, name.c_str());
    }
};

int main(int argc, char** argv) {
    // As a user's session sets it; the toolkit then takes it over for the whole process.
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    QApplication application(argc, argv);
    CommaLocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CommaLocaleTest.moc"
