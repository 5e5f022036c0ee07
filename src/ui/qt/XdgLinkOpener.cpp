// SPDX-License-Identifier: MIT
#include "XdgLinkOpener.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace glyphsmith {

namespace {

constexpr QStringView kWebPageType = u"text/html";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of a key in a group of a desktop-style file ("[Group]" lines, then "key=value"
// lines; "#" starts a comment); null when the group lacks it.
QString GroupValue(const QString& text, QStringView group, QStringView key) {
    bool inGroup = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == u'[' + group.toString() + u']';
        } else if (inGroup && !line.startsWith(u'#')) {
            const qsizetype equals = line.indexOf(u'=');
            if (equals > 0 && line.first(equals).trimmed() == key) {
                return line.sliced(equals + 1).trimmed().toString();
            }
        }
    }
    return {};
}

// The first field code that stands for the file or address to open; empty when none.
std::string_view FirstAddressFieldCode(std::string_view exec) {
    for (std::size_t i = 0; i + 1 < exec.size(); ++i) {
        if (exec[i] != '%') {
            continue;
        }
        const char code = exec[i + 1];
        if (code == 'u' || code == 'U' || code == 'f' || code == 'F') {
            return exec.substr(i, 2);
        }
        ++i; // "%%" and the other field codes are not a placeholder
    }
    return {};
}

// The arguments of an Exec line without the field codes that stand for the icon, the name
// or the entry's own file, which this opener has no values for; "%%" is a per cent sign.
QStringList ExecArguments(std::string_view exec) {
    const QString perCent = QStringLiteral("%");
    const QString escapedPerCent = QStringLiteral("%%");
    QStringList arguments;
    for (QString argument : QProcess::splitCommand(FromUtf8(exec))) {
        if (argument.size() == 2 && argument.startsWith(u'%') && argument != escapedPerCent) {
            continue;
        }
        arguments << argument.replace(escapedPerCent, perCent);
    }
    return arguments;
}

} // namespace

XdgLinkOpener::XdgLinkOpener(QStringList configDirectories, QStringList applicationDirectories)
    : configDirectories_(std::move(configDirectories)),
      applicationDirectories_(std::move(applicationDirectories)) {}

// Only an absolute address tells the desktop which handler to take.
OpenResult XdgLinkOpener::OpenWithDesktop(const std::string& address) {
    const QUrl url(FromUtf8(address), QUrl::StrictMode);
    if (address.empty() || !url.isValid() || url.isRelative()) {
        return OpenOutcome::FileNotFound;
    }
    return QDesktopServices::openUrl(url) ? OpenOutcome::Opened : OpenOutcome::NoAssociation;
}

std::optional<std::string> XdgLinkOpener::WebPageCommand() {
    for (const QString& application : DefaultWebPageApplications()) {
        for (const QString& directory : applicationDirectories_) {
            const QString exec =
                GroupValue(ReadText(directory + u'/' + application), u"Desktop Entry", u"Exec");
            if (!exec.isEmpty()) {
                return exec.toStdString();
            }
        }
    }
    return std::nullopt;
}

// mimeapps.list files in the configuration directories come before those among the
// desktop entries; each may name several applications, the first installed one wins.
QStringList XdgLinkOpener::DefaultWebPageApplications() const {
    QStringList applications;
    for (const QStringList* directories : {&configDirectories_, &applicationDirectories_}) {
        for (const QString& directory : *directories) {
            const QString list = GroupValue(ReadText(directory + QStringLiteral("/mimeapps.list")),
                                            u"Default Applications", kWebPageType);
            applications << list.split(u';', Qt::SkipEmptyParts);
        }
    }
    return applications;
}

OpenResult XdgLinkOpener::RunWebPageCommand(const std::string& command,
                                            const std::string& address) {
    const std::string_view fieldCode = FirstAddressFieldCode(command);
    QStringList arguments =
        ExecArguments(fieldCode.empty() ? command : CommandBeforePlaceholder(command, fieldCode));
    if (arguments.isEmpty()) {
        return OpenOutcome::FileNotFound;
    }
    const QString program = QStandardPaths::findExecutable(arguments.takeFirst());
    if (program.isEmpty()) {
        return OpenOutcome::FileNotFound;
    }
    arguments << FromUtf8(address);
    return QProcess::startDetached(program, arguments) ? OpenOutcome::Opened
                                                       : OpenOutcome::OutOfResources;
}

LinkOpener& DesktopLinkOpener() {
    static XdgLinkOpener opener(
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation),
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation));
    return opener;
}

} // namespace glyphsmith
