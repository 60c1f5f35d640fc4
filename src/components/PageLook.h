#pragma once

#include <QString>

// What the runner and the editor's preview add to every page they show, from a script
// world of their own (the page file is not changed, and page scripts stay off): the System
// theme for a page that names no style sheet of its own, and the initials that themes draw
// for items without an icon.
namespace PageLook {

// The script's source, for the main frame, from the creation of the document on.
QString Script();

// The style sheet Name in Folder as one text: every "@import url(...) media;" replaced by
// the sheet it names (inside "@media media { }" when it has one), each sheet once.
QString Flattened(const QString& Folder, const QString& Name);

} // namespace PageLook
