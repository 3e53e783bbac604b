#include "locale_separator.h"

#include <QLocale>

namespace zefnaro {

std::string localeGroupSeparator() {
    const QString separator = QLocale().groupSeparator();
    return separator.isEmpty() ? std::string(",") : separator.toStdString();
}

} // namespace zefnaro
