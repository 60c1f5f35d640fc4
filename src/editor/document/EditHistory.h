#pragma once

#include "document/LauncherItem.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <variant>

// What one change of the document did, kept small: the cells, rows or properties it
// touched with their texts before and after, never a copy of the document.
namespace DocumentChanges {
struct Cell {
    int Pos; // 1-based row
    int Cell;
    QString Before;
    QString After;
};
// Rows that were inserted (Inserted) or removed at Pos, in their order.
struct Rows {
    int Pos;
    bool Inserted;
    QVector<LauncherItem> Items;
};
// The rows were put in a new order: new row i (0-based) is the old row Order[i].
struct Order {
    QVector<int> Order;
};
// A property by display name; its raw value (the whole text for header and footer).
struct Property {
    QString Name;
    QString Before;
    QString After;
};
} // namespace DocumentChanges

using DocumentChange = std::variant<DocumentChanges::Cell, DocumentChanges::Rows,
                                    DocumentChanges::Order, DocumentChanges::Property>;

// The undo history of the document: a list of named steps, each the changes that one
// command made, and the point in it where the document equals its file. The document
// records every change here; a command groups what it changes into one step by holding
// a Step while it works (steps opened inside it join it), so that a command that
// changes many rows, even in many places, is still taken back in one go.
class EditHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultMaxSteps = 1000;
    static constexpr qint64 DefaultMaxBytes = 64LL * 1024 * 1024;

    explicit EditHistory(QObject* Parent = nullptr);

    // Open while it lives; movable, so that a helper may hand one back.
    class [[nodiscard]] Step {
    public:
        explicit Step(EditHistory* History) : History(History) {}
        Step(Step&& Other) noexcept : History(Other.History) { Other.History = nullptr; }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;
        Step& operator=(Step&&) = delete;
        ~Step();

    private:
        EditHistory* History;
    };
    // Name is what the Undo and Redo commands show ("Delete item"). An inner step keeps
    // the name of the outer one.
    Step Begin(const QString& Name);

    // Changes made while it lives are not recorded: loading a file, starting anew.
    class [[nodiscard]] Pause {
    public:
        explicit Pause(EditHistory* History) : History(History) { ++History->Paused; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;
        ~Pause() { --History->Paused; }

    private:
        EditHistory* History;
    };
    Pause Suspend() { return Pause(this); }
    bool Recording() const { return Paused == 0; }

    // A change outside any step becomes a step of its own, named Fallback.
    void Record(DocumentChange Change);
    // The open step counts as a change even when it changed nothing (OK in a dialog
    // that the user confirmed unchanged); outside a step, one such empty step is made.
    void MarkChanged();

    bool CanUndo() const { return Depth == 0 && Index > 0; }
    bool CanRedo() const { return Depth == 0 && Index < Steps.size(); }
    QString UndoName() const { return CanUndo() ? Steps[Index - 1].Name : QString(); }
    QString RedoName() const { return CanRedo() ? Steps[Index].Name : QString(); }

    // Apply is called for each change of the step in the order that takes it back
    // (Forward false) or does it again (Forward true); nothing it changes is recorded.
    using Applier = std::function<void(const DocumentChange& Change, bool Forward)>;
    bool Undo(const Applier& Apply);
    bool Redo(const Applier& Apply);

    // The document as it is now equals its file (opened or saved).
    void SetClean();
    bool IsClean() const { return Index == CleanIndex; }
    // A new history: nothing to undo; the document equals its file when Clean.
    void Clear(bool Clean = true);

    int Count() const { return static_cast<int>(Steps.size()); }
    qint64 Bytes() const { return TotalBytes; }
    // Older steps drop off beyond either bound; a step larger than MaxBytes is not kept.
    void SetLimits(int MaxSteps, qint64 MaxBytes);

    static qint64 SizeOf(const DocumentChange& Change);

signals:
    // What Undo and Redo offer, or whether the document equals its file, changed.
    void StateChanged();

private:
    struct StepData {
        QString Name;
        QVector<DocumentChange> Changes;
        qint64 Bytes = 0;
        bool Marked = false;
    };
    static constexpr int Unreachable = -1;

    void End();
    void Commit(StepData Done);
    void Trim();

    QVector<StepData> Steps;
    int Index = 0;      // steps done; Steps[Index] is the next to redo
    int CleanIndex = 0; // Index at which the document equals its file, or Unreachable
    StepData Open;
    int Depth = 0;
    int Paused = 0;
    qint64 TotalBytes = 0;
    int MaxSteps = DefaultMaxSteps;
    qint64 MaxBytes = DefaultMaxBytes;
};
