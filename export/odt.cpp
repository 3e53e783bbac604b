#include "odt.h"

#include "export/xml.h"

#include <algorithm>

namespace zefnaro {

namespace {

// OpenDocument folds runs of blanks; keep them.
std::string xmlText(std::string_view text) {
    std::string out = escaped(text);
    for (std::size_t n = 8; n >= 2; --n) {
        const std::string blanks(n, ' ');
        const std::string kept = " <text:s text:c=\"" + std::to_string(n - 1) + "\"/>";
        for (std::size_t at = out.find(blanks); at != std::string::npos;
             at = out.find(blanks, at + kept.size()))
            out.replace(at, n, kept);
    }
    return out;
}

constexpr std::string_view namespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
    " xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\""
    " xmlns:xlink=\"http://www.w3.org/1999/xlink\""
    " xmlns:dc=\"http://purl.org/dc/elements/1.1/\" office:version=\"1.3\"";

std::string xmlStart(std::string_view element) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + std::string(element) +
           std::string(namespaces) + ">";
}

std::string fontFaces(const Looks& l, const std::vector<const CarriedFont*>& carried) {
    std::vector<std::string> names{reportFamily};
    for (const Look& s : l.looks)
        for (const std::string& f : s.families)
            if (std::find(names.begin(), names.end(), f) == names.end()) names.push_back(f);
    std::string out = "<office:font-face-decls>";
    for (const std::string& f : names) {
        const std::string name = escaped(f);
        out += "<style:font-face style:name=\"" + name + "\" svg:font-family=\"'" + name + "'\"";
        const auto file = std::find_if(carried.begin(), carried.end(),
                                       [&](const CarriedFont* c) { return c->family == f; });
        if (file == carried.end()) {
            out += "/>";
            continue;
        }
        out += "><svg:font-face-src><svg:font-face-uri xlink:href=\"Fonts/" + escaped((*file)->fileName) +
               "\" xlink:type=\"simple\"><svg:font-face-format svg:string=\"truetype\"/>"
               "</svg:font-face-uri></svg:font-face-src></style:font-face>";
    }
    return out + "</office:font-face-decls>";
}

std::string content(const Report& report, const Looks& l, const std::string& faces) {
    // P1 centred; P2 centred and right to left, for an Arabic report's lines.
    std::string x = xmlStart("office:document-content") + faces +
                    "<office:automatic-styles>"
                    "<style:style style:name=\"P1\" style:family=\"paragraph\">"
                    "<style:paragraph-properties fo:text-align=\"center\"/>"
                    "</style:style>";
    if (rightToLeft(report.language))
        x += "<style:style style:name=\"P2\" style:family=\"paragraph\">"
             "<style:paragraph-properties fo:text-align=\"center\" style:writing-mode=\"rl-tb\"/>"
             "</style:style>";
    for (std::size_t i = 0; i < l.looks.size(); ++i) {
        const Look& s = l.looks[i];
        const std::string font = escaped(s.families.front());
        const std::string size = std::to_string(s.points) + "pt";
        const std::string weight = s.bold ? "bold" : "normal";
        const std::string posture = s.italic ? "italic" : "normal";
        x += "<style:style style:name=\"T" + std::to_string(i + 1) +
             "\" style:family=\"text\"><style:text-properties fo:color=\"" + hexColour(s.colour) +
             "\" style:font-name=\"" + font + "\" style:font-name-complex=\"" + font +
             "\" style:font-name-asian=\"" + font + "\" fo:font-size=\"" + size +
             "\" style:font-size-complex=\"" + size + "\" fo:font-weight=\"" + weight +
             "\" style:font-weight-complex=\"" + weight + "\" fo:font-style=\"" + posture +
             "\" style:font-style-complex=\"" + posture + "\"/></style:style>";
    }
    x += "</office:automatic-styles><office:body><office:text>";
    for (const Paragraph& p : l.paragraphs) {
        const std::string span = "<text:span text:style-name=\"T" + std::to_string(p.look + 1) + "\"";
        x += runsLeftToRight(report, p.line->piece) ? "<text:p text:style-name=\"P1\">"
                                                    : "<text:p text:style-name=\"P2\">";
        x += p.line->text.empty() ? span + "/>" : span + ">" + xmlText(p.line->text) + "</text:span>";
        x += "</text:p>";
    }
    return x + "</office:text></office:body></office:document-content>\n";
}

std::string styles(const std::string& faces) {
    return xmlStart("office:document-styles") + faces +
           "<office:styles><style:default-style style:family=\"paragraph\">"
           "<style:paragraph-properties fo:margin-top=\"0cm\" fo:margin-bottom=\"0cm\"/>"
           "<style:text-properties style:font-name=\"Arial\" fo:font-size=\"12pt\"/>"
           "</style:default-style></office:styles><office:automatic-styles>"
           "<style:page-layout style:name=\"A4\"><style:page-layout-properties "
           "fo:page-width=\"21cm\" fo:page-height=\"29.7cm\" fo:margin-top=\"1.5cm\" "
           "fo:margin-bottom=\"1.5cm\" fo:margin-left=\"1.5cm\" fo:margin-right=\"1.5cm\"/>"
           "</style:page-layout></office:automatic-styles><office:master-styles>"
           "<style:master-page style:name=\"Standard\" style:page-layout-name=\"A4\"/>"
           "</office:master-styles></office:document-styles>\n";
}

std::string meta(std::string_view title) {
    return xmlStart("office:document-meta") +
           "<office:meta><meta:generator>Zefnaro</meta:generator><dc:title>" + escaped(title) +
           "</dc:title></office:meta></office:document-meta>\n";
}

std::string manifest(const std::vector<const CarriedFont*>& carried) {
    std::string m = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
                    "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                    "manifest:version=\"1.3\"><manifest:file-entry manifest:full-path=\"/\" "
                    "manifest:version=\"1.3\" "
                    "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>";
    for (const char* part : {"content.xml", "styles.xml", "meta.xml"})
        m += std::string("<manifest:file-entry manifest:full-path=\"") + part +
             "\" manifest:media-type=\"text/xml\"/>";
    for (const CarriedFont* f : carried)
        m += "<manifest:file-entry manifest:full-path=\"Fonts/" + escaped(f->fileName) +
             "\" manifest:media-type=\"application/x-font-ttf\"/>";
    return m + "</manifest:manifest>\n";
}

} // namespace

std::vector<OdtPart> odtParts(const Report& report, std::string_view title,
                              const std::vector<CarriedFont>& fonts) {
    const Looks l = looksOf(report);
    const std::vector<const CarriedFont*> carried = fontsUsed(l, fonts);
    const std::string faces = fontFaces(l, carried);
    std::vector<OdtPart> parts{{"mimetype", "application/vnd.oasis.opendocument.text"},
                               {"META-INF/manifest.xml", manifest(carried)},
                               {"content.xml", content(report, l, faces)},
                               {"styles.xml", styles(faces)},
                               {"meta.xml", meta(title)}};
    for (const CarriedFont* f : carried)
        parts.push_back({"Fonts/" + f->fileName, f->bytes});
    return parts;
}

} // namespace zefnaro
