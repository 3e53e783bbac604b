// Opening the companion documents and web or mail addresses with the programs the
// desktop associates with them.
#pragma once

#include <QString>

class QWidget;

namespace zefnaro {

// Hands a document path or an address (mailto:, https:) to the desktop's default
// action. True when the desktop took it.
bool shellOpen(const QString& target);

// The one way the program opens a document or an address: hands it to the desktop
// and, when nothing there can open it, says so in a message that names it and
// offers to copy it. True when the desktop took it.
bool openExternally(const QString& target, QWidget* parent);

// True when the file can be opened for reading (a file that exists but cannot be
// read counts as missing).
bool fileExists(const QString& path);

// The folder of the running executable.
QString programFolder();

// A document, and where it is missing what the user is told (the catalogue's, by its
// English). In another language, the document is looked for first as "NAME CODE.EXT"
// ("ZFN Help v1 ar.htm"), where there is one.
struct CompanionDocument {
    const char* name;
    const char* missingMessage;
};

extern const CompanionDocument helpDocument;
extern const CompanionDocument tutorialDocument;
extern const CompanionDocument eulaDocument;

// Where a document is looked for: beside the executable, and for an installed
// program (bin/) in its data folder ../share/zefnaro. The first readable one is
// returned, else the one beside the executable. With the windows in Arabic, the
// Arabic document where there is one.
QString documentPath(const QString& folder, const CompanionDocument& document);

// Opens the document, or shows its warning when it cannot be read.
void launchDocument(const CompanionDocument& document, const QString& folder, QWidget* parent);

void launchHelp(QWidget* parent = nullptr);
void launchTutorial(QWidget* parent = nullptr);
void launchEULA(QWidget* parent = nullptr);

} // namespace zefnaro
