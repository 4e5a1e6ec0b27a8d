// The help file: every page of the project exists, every link and contents entry leads to a page
// (and anchor) that exists, and the compiled file ships in the program's "hlp" folder with every page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

std::string WindowsPathOf(const char* variable, const std::string& relative)
{
    const char* root = std::getenv(variable);
    if (root == nullptr)
        return std::string();
    std::string path = std::string("Z:") + root + "/" + relative;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string HelpSource(const std::string& name) { return ReadAll(WindowsPathOf("ORVELLE_SOURCE_DIR", "res/help/" + name)); }

// The pages named in the project's [FILES] section.
std::vector<std::string> ProjectPages()
{
    std::vector<std::string> pages;
    const std::string project = HelpSource("Help.hhp");
    const size_t files = project.find("[FILES]");
    if (files == std::string::npos)
        return pages;
    std::string line;
    for (size_t i = files + 7; i <= project.size(); ++i) {
        if (i == project.size() || project[i] == '\n') {
            while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
                line.pop_back();
            if (line.size() > 5 && line.compare(line.size() - 5, 5, ".html") == 0)
                pages.push_back(line);
            line.clear();
        } else {
            line += project[i];
        }
    }
    return pages;
}

// Checks that a target "page.html" or "page.html#anchor" exists.
void ExpectTargetExists(const std::string& from, const std::string& target, const std::set<std::string>& pages)
{
    const size_t hash = target.find('#');
    const std::string page = target.substr(0, hash);
    ASSERT_TRUE(pages.count(page)) << from << " links to a page that is not in the help: " << target;
    if (hash != std::string::npos) {
        const std::string anchor = "name=\"" + target.substr(hash + 1) + "\"";
        EXPECT_NE(HelpSource(page).find(anchor), std::string::npos) << from << " links to a missing anchor: " << target;
    }
}

TEST(HelpFile, EveryLinkAndEntryLeadsToAPageOfTheHelp)
{
    const std::vector<std::string> list = ProjectPages();
    ASSERT_GE(list.size(), 8u) << "the help project lists its pages";
    const std::set<std::string> pages(list.begin(), list.end());
    const std::regex href("href=\"([^\"]+)\"");
    for (const std::string& page : list) {
        const std::string html = HelpSource(page);
        ASSERT_FALSE(html.empty()) << page;
        EXPECT_NE(html.find("<title>"), std::string::npos) << page;
        for (std::sregex_iterator it(html.begin(), html.end(), href), end; it != end; ++it) {
            const std::string target = (*it)[1];
            if (target != "style.css")
                ExpectTargetExists(page, target, pages);
        }
    }
    const std::regex local("name=\"Local\" value=\"([^\"]+)\"");
    for (const char* sitemap : {"Help.hhc", "Help.hhk"}) {
        const std::string text = HelpSource(sitemap);
        int entries = 0;
        for (std::sregex_iterator it(text.begin(), text.end(), local), end; it != end; ++it, ++entries)
            ExpectTargetExists(sitemap, (*it)[1], pages);
        EXPECT_GE(entries, 10) << sitemap;
    }
}

TEST(HelpFile, CompiledFileShipsBesideTheProgramWithEveryPage)
{
    const std::string chm = ReadAll(WindowsPathOf("ORVELLE_BIN_DIR", "hlp/Help.chm"));
    ASSERT_GT(chm.size(), 4u) << "bin\\hlp\\Help.chm is missing";
    EXPECT_EQ(chm.compare(0, 4, "ITSF"), 0);
    for (const std::string& page : ProjectPages())
        EXPECT_NE(chm.find("/" + page), std::string::npos) << page;
}

}  // namespace
