#include "export/html.h"
#include "export/odt.h"
#include "export/rtf.h"
#include "export/text.h"
#include "report/report.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <regex>
#include <string>

using namespace zefnaro;

namespace {

Report oneLine(std::string text) {
    Report r;
    r.lines = {{Piece::blank, "", Style{}}, {Piece::coptic, std::move(text), styleOf(Piece::coptic, Writing::unicode, 16)}};
    r.copticFont = "Zefnaro Coptic";
    return r;
}

// The text of every paragraph of a saved page, entities undone: the report's lines.
TEST(HtmlPage, HoldsEveryLineOnceInOrderEscaped) {
    for (const char* entry : {"1", "2005", "999999999", "0", "12e9"}) {
        DisplaySettings s;
        if (entry[0] == '2') s.form.kind = Kind::ordinal;
        const Report report = composeReport(entry, s);
        const std::string page = reportPage(report, "<&\"title\">");
        EXPECT_NE(page.find("<title>&lt;&amp;&quot;title&quot;&gt;</title>"), std::string::npos);
        const std::regex paragraph("<p class=\"[^\"]*\">(?:<span[^>]*>)?([^<]*)(?:</span>)?</p>");
        std::string lines;
        for (auto m = std::sregex_iterator(page.begin(), page.end(), paragraph); m != std::sregex_iterator(); ++m)
            lines += std::regex_replace(std::regex_replace((*m)[1].str(), std::regex("&quot;"), "\""),
                                        std::regex("&amp;"), "&") + "\n";
        lines.pop_back();
        EXPECT_EQ(lines, plainText(report)) << entry;
    }
    EXPECT_NE(reportPage(oneLine("a<b>&c"), "t").find(">a&lt;b&gt;&amp;c</span>"), std::string::npos);
}

// RTF counts in UTF-16 units; Latin-1 goes as the byte the CS fonts draw.
TEST(Rtf, CharactersAsWordProcessorsReadThem) {
    const std::pair<std::string, std::string> rows[] = {
        {"ⲃ̿", "\\u11395?\\u831?"},  {"\xC3\x8B" "b", "\\'cbb"},   {"{a\\b}", "\\{a\\\\b\\}"},
        {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"}, // U+1F600 as its surrogate pair
    };
    for (const auto& [text, rtf] : rows)
        EXPECT_NE(reportRtf(oneLine(text)).find(" " + rtf + "}"), std::string::npos) << text;
}

// The package a word processor opens: the mimetype first and stored, the rest
// deflated, runs of blanks kept.
TEST(Odt, PackageOnDisk) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "zefnaro_export_test.odt";
    std::string why;
    ASSERT_TRUE(saveOdt(oneLine("a   b"), "t", path.string(), why)) << why;
    int error = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_RDONLY, &error);
    ASSERT_NE(z, nullptr);
    zip_stat_t st;
    ASSERT_EQ(zip_stat_index(z, 0, 0, &st), 0);
    EXPECT_STREQ(st.name, "mimetype");
    EXPECT_EQ(st.comp_method, ZIP_CM_STORE);
    for (zip_int64_t i = 1; i < zip_get_num_entries(z, 0); ++i) {
        ASSERT_EQ(zip_stat_index(z, static_cast<zip_uint64_t>(i), 0, &st), 0);
        EXPECT_EQ(st.comp_method, ZIP_CM_DEFLATE) << st.name;
    }
    zip_close(z);
    std::filesystem::remove(path);
    const std::vector<OdtPart> parts = odtParts(oneLine("a   b"), "t");
    EXPECT_NE(parts[2].bytes.find(">a <text:s text:c=\"2\"/>b</text:span>"), std::string::npos);

    EXPECT_FALSE(saveOdt(oneLine("x"), "t", "/no/such/folder/r.odt", why));
    EXPECT_FALSE(why.empty());
}

// A selection cut inside its first and last lines keeps the lines between whole.
// An Arabic report runs right to left in every document, its Coptic lines left to
// right: each Arabic line and each Coptic line counted in each.
TEST(ArabicDocuments, EachLineInItsDirection) {
    DisplaySettings s;
    s.fontName = "Zefnaro Coptic";
    s.language = Language::arabic;
    const Report report = composeReport(std::uint32_t{2005}, s);
    const std::string page = reportPage(report, reportTitle(report));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"ar\" dir=\"rtl\">", 0), 0u);
    EXPECT_NE(page.find("<title>تقرير زفنارو: ٢٬٠٠٥</title>"), std::string::npos);
    const auto count = [](const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count(page, " dir=\"ltr\""), 2u); // the Coptic words and the numerals
    EXPECT_EQ(count(reportLines(report), " dir=\"ltr\""), 2u);
    std::string content;
    for (const OdtPart& part : odtParts(report, "t"))
        if (part.name == "content.xml") content = part.bytes;
    EXPECT_EQ(count(content, "<text:p text:style-name=\"P1\">"), 2u);
    EXPECT_EQ(count(content, "<text:p text:style-name=\"P2\">"), report.lines.size() - 2);
    EXPECT_NE(content.find("style:writing-mode=\"rl-tb\""), std::string::npos);
    EXPECT_EQ(count(reportRtf(report), "\\rtlpar"), report.lines.size() - 2);
    s.language = Language::english;
    const Report english = composeReport(std::uint32_t{2005}, s);
    EXPECT_EQ(count(reportPage(english, "t"), "dir="), 0u);
    EXPECT_EQ(count(reportRtf(english), "\\rtlpar"), 0u);
}

TEST(Excerpt, CutsWhereTheSelectionIs) {
    const Report r = composeReport("2005", DisplaySettings{});
    const Report part = excerpt(r, {3, 2}, {7, 3});
    ASSERT_EQ(part.lines.size(), 5u);
    EXPECT_EQ(part.lines[0].text, "005");
    EXPECT_EQ(part.lines[2].text, "or");
    EXPECT_EQ(part.lines[4].text, "Two");
    EXPECT_EQ(part.lines[4].style, r.lines[7].style);
    EXPECT_TRUE(excerpt(r, {40, 0}, {41, 0}).lines.empty());
}

} // namespace
