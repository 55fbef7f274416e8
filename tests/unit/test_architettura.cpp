// The logic libraries never include Qt Widgets: only ui/ does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace fs = std::filesystem;

TEST(Architettura, NessunQtWidgetsFuoriDaUi)
{
    const std::regex widgets(R"(#\s*include\s*[<"](QtWidgets/|QWidget|QApplication|QMainWindow|QDialog|QMessageBox|QTableView|QLabel|QPushButton)[^>"]*[>"])");
    std::vector<std::string> colpevoli;
    int letti = 0;
    for (const char *cartella : {"app", "archive", "stats", "systems", "methods", "slips", "export", "publish", "cli"}) {
        fs::path dir = fs::path(SESTINA_SOURCE_DIR) / cartella;
        if (!fs::exists(dir))
            continue;
        for (const auto &f : fs::recursive_directory_iterator(dir)) {
            if (!f.is_regular_file() || (f.path().extension() != ".h" && f.path().extension() != ".cpp"))
                continue;
            ++letti;
            std::ifstream in(f.path());
            std::string riga;
            while (std::getline(in, riga))
                if (std::regex_search(riga, widgets))
                    colpevoli.push_back(f.path().string() + ": " + riga);
        }
    }
    EXPECT_GT(letti, 10);
    EXPECT_TRUE(colpevoli.empty()) << colpevoli.front();
}
