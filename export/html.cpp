#include "html.h"

#include "export/base64.h"
#include "export/xml.h"
#include "engine/joined.h"
#include "engine/say.h"
#include "engine/utf8.h"

#include <algorithm>

namespace zefnaro {

namespace {

std::string cssFamilies(const std::vector<std::string>& families) {
    std::string out;
    for (const std::string& f : families)
        out.append(out.empty() ? "" : ", ").append("\"").append(f).append("\"");
    if (std::find(families.begin(), families.end(), reportFamily) != families.end())
        out += ", \"Liberation Sans\""; // Arial's metric twin on free systems
    return out + ", sans-serif";
}

} // namespace

std::string reportTitle(const Report& report) {
    if (report.isMessage) return std::string(say(Text::page_title, report.language));
    return say(Text::page_title_of, report.language, {report.text(Piece::digits)});
}


std::string reportPage(const Report& report, std::string_view title,
                       const std::vector<CarriedFont>& fonts) {
    const Looks l = looksOf(report);
    std::string h = joined({"<!DOCTYPE html>\n<html lang=\"", languageCode(report.language), "\"",
                            rightToLeft(report.language) ? " dir=\"rtl\"" : "", ">\n"});
    h += "<head>\n<meta charset=\"utf-8\">\n"
                    "<meta name=\"generator\" content=\"Zefnaro\">\n<title>";
    appendEscaped(h, title);
    h += "</title>\n<style>\nbody { background: " + hexColour(colours::background) +
         "; margin: 1em; }\n"
         "p { margin: 0; min-height: 1.15em; line-height: 1.15; }\n"
         ".centred { text-align: center; }\n";
    // The installed font where there is one, else the copy.
    for (const CarriedFont* f : fontsUsed(l, fonts))
        h += "@font-face { font-family: \"" + f->family + "\"; src: local(\"" + f->family +
             "\"), url(data:font/ttf;base64," + base64(f->bytes) + ") format(\"truetype\"); }\n";
    for (std::size_t i = 0; i < l.looks.size(); ++i) {
        const Look& s = l.looks[i];
        h += ".r" + std::to_string(i + 1) + " { color: " + hexColour(s.colour) +
             "; font-family: " + cssFamilies(s.families) +
             "; font-size: " + std::to_string(s.points) +
             "pt; font-weight: " + (s.bold ? "bold" : "normal") +
             "; font-style: " + (s.italic ? "italic" : "normal") + "; }\n";
    }
    h += "</style>\n</head>\n<body>\n";
    for (const Paragraph& p : l.paragraphs) {
        const std::string& text = p.line->text;
        // A line with text takes its height from its run; an empty one from its look.
        h += "<p class=\"centred r" + std::to_string((text.empty() ? p.look : 0) + 1) + "\"";
        // In an Arabic report the Coptic lines keep their own direction.
        if (rightToLeft(report.language) && runsLeftToRight(report, p.line->piece)) h += " dir=\"ltr\"";
        h += '>';
        if (!text.empty()) {
            h += "<span class=\"r" + std::to_string(p.look + 1) + "\"";
            if (utf8::hasCopticLetter(text)) h += " lang=\"cop\"";
            h += '>';
            appendEscaped(h, text);
            h += "</span>";
        }
        h += "</p>\n";
    }
    return h + "</body>\n</html>\n";
}

namespace {

std::string_view pieceName(Piece piece) {
    switch (piece) {
    case Piece::words: return "words";
    case Piece::digits: return "digits";
    case Piece::english: return "english";
    case Piece::coptic: return "coptic";
    case Piece::pronunciation: return "pronunciation";
    case Piece::numerals: return "numerals";
    case Piece::message: return "message";
    case Piece::blank: break;
    }
    return "blank";
}

// The numerals line with each letter (and its marks) in a span of its own.
void appendNumerals(std::string& h, const Report& report) {
    for (const NumeralPart& part : numeralParts(report)) {
        if (part.meaning.empty()) {
            appendEscaped(h, part.text);
            continue;
        }
        h += "<span class=\"letter\" tabindex=\"0\" title=\"";
        appendEscaped(h, part.meaning);
        h += "\" aria-label=\"";
        appendEscaped(h, part.meaning);
        h += "\">";
        appendEscaped(h, part.text);
        h += "</span>";
    }
}

} // namespace

std::string reportLines(const Report& report) {
    std::string h;
    for (const Line& line : report.lines) {
        h += "<p class=\"piece-";
        h += pieceName(line.piece);
        h += '"';
        const bool coptic = (line.piece == Piece::coptic || line.piece == Piece::numerals) &&
                            report.writing == Writing::unicode;
        if (coptic) h += " lang=\"cop\"";
        if (rightToLeft(report.language) && runsLeftToRight(report, line.piece)) h += " dir=\"ltr\"";
        h += '>';
        if (line.piece == Piece::numerals && coptic)
            appendNumerals(h, report);
        else
            appendEscaped(h, line.text);
        h += "</p>\n";
    }
    return h;
}

} // namespace zefnaro
