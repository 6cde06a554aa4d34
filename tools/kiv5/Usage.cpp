#include "tools/kiv5/Usage.h"

#include "tools/kiv5/CalendarCommand.h"
#include "tools/kiv5/ImportCalendarCommand.h"
#include "tools/kiv5/KillTestCommand.h"
#include "tools/kiv5/PeriodicCommand.h"
#include "tools/kiv5/SoakCommand.h"

namespace kiv5::tool {

QString GeneralUsage() {
    return QStringLiteral(
        "Usage: kiv5 COMMAND [ARGUMENTS]\n"
        "\n"
        "The command-line companion of the KIV5 suite (pellary5, sumora5, quenby5).\n"
        "\n"
        "Commands:\n"
        "  dump FILE         print the records of a data file as the programs' tables hold them\n"
        "  check FILE...     find damaged data files\n"
        "  make-demo DIR     write a consistent demo data set\n"
        "  print-check ...   write a check page as sumora5 prints it into a PDF file\n"
        "  bill ...          write a bill with its statements as quenby5 prints it (RTF)\n"
        "  import-calendar   add a client's calendar entries to an itemized statement\n"
        "  calendar ...      write a day, week or month of the calendar as quenby5 prints it\n"
        "  periodic ...      print the marked bills and write the next period's billing file\n"
        "  soak FOLDER ...   several users at once on a demo data set, then a check\n"
        "  kill-test FOLDER  whole-file writes killed at random moments, then a check\n"
        "\n"
        "Data files are known by their extension (letter case does not matter):\n"
        "  .pl5 client file, .inc income, .exp expenses, .bil bills,\n"
        "  .is5 itemized statement, .cal calendar (orvcal5.cal)\n"
        "\n"
        "kiv5 COMMAND --help describes a command.\n"
        "Exit codes: 0 done, 1 check found damage, 2 wrong arguments or a file that cannot be "
        "used.\n");
}

namespace {

QString DumpUsage() {
    return QStringLiteral(
        "Usage: kiv5 dump FILE\n"
        "\n"
        "Prints one UTF-8 line per record slot of FILE, in file order: the slot's\n"
        "position (counting from 0), a tab, then the text cells the program's table\n"
        "holds for the record, separated by tabs. A tab inside a cell is shown as \\t\n"
        "and a line break as \\n; every other character, backslashes included, is\n"
        "shown as it is.\n"
        "\n"
        "  .pl5        22 client cells; the record number column holds the slot\n"
        "              (slot 0, the header slot, is shown as a client row would be);\n"
        "              the memo column as the record stores it (first 255 characters)\n"
        "  .inc .exp   14 cells; the position column holds the slot + 1\n"
        "  .bil        42 cells; the record number column holds the slot + 1\n"
        "  .is5        9 cells; the record number column holds the stored RecNo\n"
        "  .cal        the fields of the day's calendar backup line\n"
        "\n"
        "A file of an unknown kind, a missing file or one whose length is not a whole\n"
        "number of records is refused with exit code 2.\n");
}

QString CheckUsage() {
    return QStringLiteral(
        "Usage: kiv5 check FILE...\n"
        "\n"
        "Reads each data file and prints one line per fault, naming the file, the\n"
        "slot and the field, then one summary line per file: \"FILE: ok, N records\"\n"
        "or \"FILE: N faults\". Faults are:\n"
        "  - a length that is not a whole number of records;\n"
        "  - a text whose length byte is above its field's capacity;\n"
        "  - for a client file, a memo file (same folder and base name, \".mem\", in\n"
        "    any letter case) that is missing or has fewer lines than the file has slots;\n"
        "  - a state code outside -1..50;\n"
        "  - a status other than 0, -1 or -2;\n"
        "  - a date or time stamp that is NaN or outside 1/1/100 to 12/31/9999, and\n"
        "    rates, hours and lengths that are no number.\n"
        "Stored record numbers that differ from the slot's (client files and\n"
        "statements: the slot; income, expenses and bills: the slot + 1) are listed\n"
        "as \"notice: ...\" lines and are not faults.\n"
        "\n"
        "Exit codes: 0 no file damaged, 1 some file damaged, 2 wrong arguments or a\n"
        "file that could not be checked (unknown kind, missing, unreadable).\n");
}

QString MakeDemoUsage() {
    return QStringLiteral(
        "Usage: kiv5 make-demo DIR [--clients N] [--settings SETTINGSDIR] [--force]\n"
        "\n"
        "Writes a consistent demo data set with made-up law-office content; the same\n"
        "arguments on the same day give the same files:\n"
        "  DIR/Pellary5/  kiv5.pl5, kiv5.mem (N clients, default 60, slot 0 the header)\n"
        "  DIR/Sumora5/   kiv5.su5 (linking kiv5.pl5), kiv5.inc, kiv5.exp, kiv5.acc,\n"
        "                 kiv5.cat, default.cat\n"
        "  DIR/Quenby5/   kiv5.qy5, kiv5.bil, orvcal5.cal, IS/ with two statements\n"
        "\n"
        "  --clients N             1 to 1000000 clients\n"
        "  --settings SETTINGSDIR  also write the settings of the three programs under\n"
        "                          SETTINGSDIR/Orvanel/<Program>/Params.conf (use your\n"
        "                          configuration folder, e.g. ~/.config) so that they\n"
        "                          start on the demo data\n"
        "  --force                 overwrite an existing demo data set\n"
        "\n"
        "Without --force an existing DIR/Pellary5/kiv5.pl5 is left alone (exit code 2).\n");
}

QString PrintCheckUsage() {
    return QStringLiteral(
        "Usage: kiv5 print-check --number N --date M/D/YYYY --payee TEXT --memo TEXT\n"
        "                        --amount TEXT --pdf FILE [--offset-x IN] [--offset-y IN]\n"
        "\n"
        "Writes the check page sumora5 prints from the expense form into FILE (PDF,\n"
        "US letter, the whole page printable): the stub at the top, the check with the\n"
        "amount in figures and in words, and the stub at the bottom, in Times New\n"
        "Roman 12. The amount is read as the form reads it (\"1,234.56\", \"$12\",\n"
        "\"(5.25)\" for a negative amount); the date is shown as \"March 7, 2011\".\n"
        "\n"
        "  --offset-x IN, --offset-y IN  move every position of the page right and down\n"
        "                                by IN inches (-1.00 to 1.00), as the check\n"
        "                                alignment setting does\n"
        "\n"
        "Exit codes: 0 the PDF was written, 2 wrong arguments or a file that cannot be\n"
        "written (an existing FILE is then left as it was).\n");
}

QString BillUsage() {
    return QStringLiteral(
        "Usage: kiv5 bill BILLFILE --record N --date M/D/YYYY --clients CLIENTFILE\n"
        "                 --books BASE --out FILE.rtf [--is-dir DIR] [--answers]\n"
        "\n"
        "Writes the document quenby5 prints for the bill at record N of BILLFILE (its\n"
        "1-based position) dated M/D/YYYY: the bill's pages, then the pages of each\n"
        "attached itemized statement with something to bill. Payments come from\n"
        "BASE.inc, charges from BASE.exp, the address from CLIENTFILE, the letterhead\n"
        "and the itemized statement folder from quenby5's settings; --is-dir DIR\n"
        "names another folder for statements not found at their own path. The\n"
        "templates are quenby5's.\n"
        "\n"
        "  --answers  also print every non-empty answer of every page as one UTF-8\n"
        "             line \"page<TAB>slot<TAB>text\", pages counted from 1 in document\n"
        "             order, the text as it goes into the template (a tab or line break\n"
        "             in it written as \\t or \\n)\n"
        "\n"
        "What the bill's passes report (a missing ledger, client file, client or\n"
        "statement) goes to standard error with its code; the document is still\n"
        "written.\n"
        "\n"
        "Exit codes: 0 the document was written, 2 wrong arguments or a file that\n"
        "cannot be read or written (an existing FILE.rtf is then left as it was).\n");
}

} // namespace

QString CommandUsage(const QString& command) {
    if (command == QLatin1String("dump")) {
        return DumpUsage();
    }
    if (command == QLatin1String("check")) {
        return CheckUsage();
    }
    if (command == QLatin1String("make-demo")) {
        return MakeDemoUsage();
    }
    if (command == QLatin1String("print-check")) {
        return PrintCheckUsage();
    }
    if (command == QLatin1String("bill")) {
        return BillUsage();
    }
    if (command == QLatin1String(kImportCalendarCommand)) {
        return ImportCalendarUsage();
    }
    if (command == QLatin1String(kCalendarCommand)) {
        return CalendarUsage();
    }
    if (command == QLatin1String(kPeriodicCommand)) {
        return PeriodicUsage();
    }
    if (command == QLatin1String(kSoakCommand)) {
        return SoakUsage();
    }
    if (command == QLatin1String(kKillTestCommand)) {
        return KillTestUsage();
    }
    return {};
}

} // namespace kiv5::tool
