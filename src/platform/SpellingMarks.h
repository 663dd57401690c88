#pragma once

// Spell checking as the user types, for one text area's editor: misspelt words
// get the desktop's wavy red underline, and a right click on one puts its
// corrections, "Add to Dictionary" and "Ignore Spelling" at the top of the
// usual context menu. Only the text on screen (and a little around it) is
// checked, shortly after each change, scroll or resize, so a text of any length
// costs the same. The marks are drawn over the text and never become part of it.
//
// A word is a run of text between Unicode word boundaries holding at least one
// letter; apostrophes inside it belong to it ("don't", "l’homme"). Not checked,
// as in the usual desktop checkers: words holding a digit ("mp3", "2nd"), and
// runs longer than 64 characters (no dictionary word is that long).

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <memory>

class QAbstractScrollArea;
class QMenu;
class QString;

namespace fw {

class SpellChecker;

class SpellingMarks final : public QObject {
public:
    // `editor` is a QPlainTextEdit or a QTextEdit; it must outlive nothing here.
    explicit SpellingMarks(QAbstractScrollArea* editor);
    // Removes the marks and gives the editor its usual context menu back.
    ~SpellingMarks() override;
    SpellingMarks(const SpellingMarks&) = delete;
    SpellingMarks& operator=(const SpellingMarks&) = delete;

    [[nodiscard]] QAbstractScrollArea* Editor() const { return editor_; }

    // The context menu for `position` in the editor's viewport; the caller
    // deletes it.
    QMenu* ContextMenu(QPoint position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Checks the shown text of every editor again, after a word was accepted.
    static void CheckAgainEverywhere();
    void Update();
    bool IsMisspelt(const QString& word);

    QPointer<QAbstractScrollArea> editor_;
    std::shared_ptr<SpellChecker> checker_;
    QTimer timer_;
};

}  // namespace fw
