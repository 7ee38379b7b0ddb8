// The help as it ships beside the program: the three index pages the help
// window opens, every page they link, and every link of those pages (the
// help window test follows them in the window).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path Bin = TAVORIN_BUILD_BIN;

std::string contentOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The targets of a page's links and style sheets, without their #parts.
std::vector<std::string> linksOf(const std::string& html) {
    std::vector<std::string> out;
    static const std::regex href(R"(\b(?:href|src)="([^"]*)\")");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), href); it != std::sregex_iterator(); ++it) {
        std::string target = (*it)[1];
        target = target.substr(0, target.find('#'));
        if (!target.empty()) out.push_back(target);
    }
    return out;
}

// The pages of one language's folder that its index links.
std::set<std::string> pagesLinked(const std::string& index, const std::string& folder) {
    std::set<std::string> pages;
    for (const std::string& target : linksOf(contentOf(Bin / index)))
        if (target.starts_with(folder + "/")) pages.insert(target.substr(folder.size() + 1));
    return pages;
}

const std::pair<const char*, const char*> Indexes[] = {
    {"ChsHelp.html", "chs"}, {"ChtHelp.html", "cht"}, {"EngHelp.html", "eng"}};

TEST(HelpFiles, EveryLinkOfTheIndexesAndTheirPagesResolves) {
    for (const auto& [index, folder] : Indexes) {
        ASSERT_TRUE(fs::is_regular_file(Bin / index)) << index;
        std::vector<fs::path> pages{Bin / index};
        for (const std::string& page : pagesLinked(index, folder)) pages.push_back(Bin / folder / page);
        for (const fs::path& page : pages) {
            ASSERT_TRUE(fs::is_regular_file(page)) << page << " linked from " << index;
            const std::string html = contentOf(page);
            EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << page;
            EXPECT_EQ(html.find("<script"), std::string::npos) << page;
            // The program's help window reads a style sheet only when its type is given.
            const std::string css = page.parent_path() == Bin ? "help.css" : "../help.css";
            EXPECT_NE(html.find("<link rel=\"stylesheet\" type=\"text/css\" href=\"" + css + "\">"),
                      std::string::npos)
                << page;
            for (const std::string& target : linksOf(html)) {
                EXPECT_EQ(target.find("://"), std::string::npos) << page << ": " << target << " is not ours";
                EXPECT_TRUE(fs::exists(page.parent_path() / target)) << page << ": " << target;
            }
        }
    }
}

// Each language has the same pages, and every window a user reaches has one.
TEST(HelpFiles, EveryLanguageHasAPagePerWindow) {
    const std::set<std::string> windows{"mdifrmMain.html",   "frmChMem.html",     "frmChMem_settings.html",
                                        "frmCustomFre.html", "frmCommun.html",    "frmToolCom.html",
                                        "frmAboutSoft.html", "radiosim.html",     "frmAdjMode.html",
                                        "frmInputCode.html", "frmVitualKey.html", "frmAdjMore.html",
                                        "frmMain.html",      "frmPartFill.html",  "frmFlashSoft.html"};
    for (const auto& [index, folder] : Indexes) {
        const std::set<std::string> linked = pagesLinked(index, folder);
        EXPECT_EQ(linked, windows) << index;
        std::set<std::string> present;
        for (const auto& entry : fs::directory_iterator(Bin / folder))
            present.insert(entry.path().filename());
        EXPECT_EQ(present, windows) << folder << " holds a page no index links, or misses one";
    }
}

} // namespace
