#include "common/ui/ProgramVersion.h"

#include "common/core/NumberFormat.h"

namespace kiv5::ui {

double ProgramVersion(Program program) {
    switch (program) {
    case Program::Client:
        return 5.09;
    case Program::Bookkeeping:
        return 5.06;
    case Program::Billing:
        return 5.15;
    }
    return 0.0;
}

QString ProgramTitle(Program program) {
    switch (program) {
    case Program::Client:
        return QStringLiteral("Pellary5");
    case Program::Bookkeeping:
        return QStringLiteral("Sumora5");
    case Program::Billing:
        return QStringLiteral("Quenby5");
    }
    return {};
}

QString FormatVersion(double version) {
    QString text = FixedDecimal(version, 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QStringLiteral("-0.")))
        text.remove(1, 1);
    else if (text == QStringLiteral("0") || text == QStringLiteral("-0"))
        text.clear();
    return text;
}

QString VersionLine(Program program) {
    const QString version = FormatVersion(ProgramVersion(program));
    switch (program) {
    case Program::Client:
        return QStringLiteral(" Pellary5 - KIV Version ") + FormatVersion(KIVVERSNO) +
               QStringLiteral("; PL5 Version ") + version;
    case Program::Bookkeeping:
        return QStringLiteral(" Sumora5 - Version ") + version;
    case Program::Billing:
        return QStringLiteral(" Quenby5 - Version ") + version;
    }
    return {};
}

} // namespace kiv5::ui
