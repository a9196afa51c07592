#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLine {
namespace {
// What a switch that needs a value means as the last argument, with no value after it.
enum class WhenLast {
    error,      // a message: the switch makes no sense without its value
    ignored,    // as if it were not there (a picture-writing switch)
    emptyValue, // acted on with an empty value, which then fails with its own message
};

struct Switch {
    const char* name;
    const char* valueName; // nullptr: takes no value
    const char* description;
    bool remote = false; // handed to the running Handwick
    WhenLast whenLast = WhenLast::error;
};

// Every switch, in the order --help lists them. A new one is a new line here.
const Switch switches[] = {
    {"toggle", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Turn the pointer on or off."), true},
    {"on", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Turn the pointer on."), true},
    {"off", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Turn the pointer off."), true},
    {"clear", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Clear the drawing."), true},
    {"undo", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Undo the last drawing."), true},
    {"spotlight", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Switch the spotlight on or off (turns the pointer on)."),
     true},
    {"laser", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Switch between the hand and the laser dot."), true},
    {"tool", "TOOL",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Choose the drawing tool: pen, highlighter, arrow, box or steps."),
     true},
    {"color", "COLOR",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Choose the ink color: coral, sun, lime, sky, violet or ink."),
     true},
    {"hand", "ID",
     QT_TRANSLATE_NOOP("CommandLine", "Choose the hand, by its name as --render-hands shows it."),
     true},
    {"import-hand", "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "Make the photo FILE your own hand (no display needed)."),
     false, WhenLast::emptyValue},
    {"snapshot", "DIR",
     QT_TRANSLATE_NOOP("CommandLine", "Start, write pictures of every window into DIR, then quit."),
     false, WhenLast::ignored},
    {"demo", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Start and show the pointer with a demonstration drawing.")},
    {"render-hands", "DIR",
     QT_TRANSLATE_NOOP("CommandLine", "Write pictures of every hand into DIR (no display needed)."),
     false, WhenLast::ignored},
};

const Switch* find(const QString& name) {
    for (const Switch& s : switches)
        if (name == QLatin1String(s.name)) return &s;
    return nullptr;
}

QString tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        tr("Handwick puts a cartoon hand on a stick above everything on your screen.\n"
           "Without options it starts, or brings forward the Handwick already running;\n"
           "the remote-control options act on the running Handwick."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const Switch& s : switches)
        parser.addOption(s.valueName
                             ? QCommandLineOption(QString::fromLatin1(s.name), tr(s.description),
                                                  QString::fromLatin1(s.valueName))
                             : QCommandLineOption(QString::fromLatin1(s.name), tr(s.description)));
}

// A value-taking switch as the last argument gets what its WhenLast says.
QStringList withLastSettled(QStringList args) {
    if (args.size() < 2 || !args.last().startsWith(QLatin1String("--"))) return args;
    const Switch* last = find(args.last().mid(2));
    if (!last || !last->valueName) return args;
    if (last->whenLast == WhenLast::ignored) args.removeLast();
    if (last->whenLast == WhenLast::emptyValue) args.last() += QLatin1Char('=');
    return args;
}

QString oneLine(const QString& text) {
    return tr("handwick: %1; see handwick --help").arg(text);
}
} // namespace

std::optional<QString> Request::value(const QString& name) const {
    const auto found = values.constFind(name);
    if (found == values.constEnd()) return std::nullopt;
    return *found;
}

Request read(const QStringList& args) {
    Request request;
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(withLastSettled(args))) {
        const QStringList unknown = parser.unknownOptionNames();
        QString why = parser.errorText();
        if (why.endsWith(QLatin1Char('.'))) why.chop(1);
        request.error =
            oneLine(unknown.isEmpty() ? why
                                      : tr("unknown option %1%2")
                                            .arg(unknown.front().size() == 1 ? QStringLiteral("-")
                                                                             : QStringLiteral("--"),
                                                 unknown.front()));
        return request;
    }
    request.help = parser.isSet(QStringLiteral("help"));
    request.version = parser.isSet(QStringLiteral("version"));
    QHash<QString, qsizetype> used; // values taken so far, per switch
    for (const QString& name : parser.optionNames()) {
        const Switch* known = find(name);
        if (!known) continue; // help, version, or a short name of theirs
        const QString value =
            known->valueName ? parser.values(name).value(used[name]++) : QString();
        if (!known->remote) {
            if (!request.values.contains(name)) request.values.insert(name, value); // the first
            continue;
        }
        const RemoteCommand command{name, value};
        if (const QString why = RemoteCommands::problem(command); !why.isEmpty()) {
            request.error = oneLine(why);
            return request;
        }
        request.remote.push_back(command);
    }
    return request;
}

QString helpText() {
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText();
}

QString versionText() {
    return QStringLiteral("Handwick %1\n").arg(QStringLiteral(HANDWICK_VERSION));
}
} // namespace CommandLine
