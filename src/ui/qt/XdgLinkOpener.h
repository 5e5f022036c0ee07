// SPDX-License-Identifier: MIT
#pragma once

#include "LinkOpener.h"

#include <QStringList>

namespace glyphsmith {

// Opens addresses on a freedesktop.org desktop: Qt's URL opener first, then the program that
// the desktop's MIME associations name as the default for text/html.
class XdgLinkOpener final : public LinkOpener {
  public:
    // The directories holding mimeapps.list files and those holding desktop entries, each
    // most important first, as the desktop's base directories order them.
    XdgLinkOpener(QStringList configDirectories, QStringList applicationDirectories);

    OpenResult OpenWithDesktop(const std::string& address) override;
    // The Exec line of the default text/html application.
    std::optional<std::string> WebPageCommand() override;
    // The Exec line is cut at its first file or URL field code; the address goes in as one
    // argument, so that blanks or quotes in it never split it. No shell is involved.
    OpenResult RunWebPageCommand(const std::string& command, const std::string& address) override;

  private:
    QStringList DefaultWebPageApplications() const;

    QStringList configDirectories_;
    QStringList applicationDirectories_;
};

} // namespace glyphsmith
