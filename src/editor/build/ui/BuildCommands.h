#pragma once

class EditorContext;

// Build, Run, and the page's source and preview tabs.
namespace BuildCommands {

// "&Build...": asks where, generates the page and writes it with its icon folder.
void mnuFileBuild_Click(EditorContext& Ctx);
// "&Run...": starts the runner on the page named by "(HTML File)".
void mnuFileRun_Click(EditorContext& Ctx);
// After the user switched tabs; PreviousTab is the tab shown before. The "&HTML" tab
// shows the page source, "P&review" the page itself; leaving the preview blanks it.
void tabMain_Click(EditorContext& Ctx, int PreviousTab);

} // namespace BuildCommands
