// Which fonts this machine has, asked in one place so that tests can stand in for
// a machine with or without the CS fonts.
#pragma once

#include "report/display_settings.h"

#include <QFont>
#include <QString>
#include <functional>
#include <string_view>

namespace zefnaro {

using FontCheck = std::function<bool(const QString& family)>;

// Makes the program's own Coptic font (Zefnaro Coptic) available to this run,
// from where the build and the install put it beside the programs; once per run.
// True when the family can be used.
bool loadProjectFont();

// The program's own Coptic font at a size in points.
QFont projectCopticFont(double points);

// UTF-8 from the engine as a QString.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Where the program's own Coptic font file is, beside the programs.
QString projectFontFile();

// True when the font family is installed.
bool fontInstalled(const QString& family);

// Replaces how fontInstalled answers; an empty check restores the real one.
void setFontCheck(FontCheck check);

// The settings a run starts from, and Default restores, on this machine.
DisplaySettings machineDefaults();

} // namespace zefnaro
