#pragma once

// A stand-in for the main window, for testing commands and dialogs without it.
#include "build/PageBuild.h"
#include "components/dialogs/ScriptedUserDialogs.h"
#include "document/LauncherDocument.h"
#include "shell/EditorContext.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

class FakeEditorContext : public EditorContext {
public:
    LauncherDocument Document;
    ScriptedUserDialogs Scripted;
    QWidget Window;
    QPlainTextEdit Html;
    QWidget Preview;
    PreviewFolder PreviewPage;
    int Current = 0;
    QList<int> Selection;
    int Tab = 0;
    int PropertyRow = 0;
    int CheckmenusCalls = 0;
    // What File, Save does here; by default it "saves" successfully.
    std::function<void()> OnSave = [this] { Document.SetChanged(false); };

    FakeEditorContext() { new QVBoxLayout(&Preview); }

    LauncherDocument& Doc() override { return Document; }
    UserDialogs& Dialogs() override { return Scripted; }
    QWidget* MainWindow() override { return &Window; }

    int SelectedRow() const override { return Current; }
    QList<int> SelectedRows() const override {
        QList<int> rows = Selection;
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void SelectRow(int Pos) override {
        Current = Pos;
        Selection = Pos > 0 ? QList<int>{Pos} : QList<int>{};
    }
    void SetRowSelected(int Pos, bool Selected) override {
        Selection.removeAll(Pos);
        if (Selected)
            Selection.append(Pos);
    }
    void Deselect() override { SelectRow(Current); }
    void Checkmenus() override { ++CheckmenusCalls; }

    void ShowTab(int Index) override { Tab = Index; }
    int CurrentTab() const override { return Tab; }

    int SelectedPropertyRow() const override { return PropertyRow; }
    void SetPropertyCommandEnabled(bool) override {}

    void FileSave() override { OnSave(); }

    QPlainTextEdit& HtmlView() override { return Html; }
    QWidget& PreviewHost() override { return Preview; }
    PreviewFolder& PreviewFiles() override { return PreviewPage; }
};
