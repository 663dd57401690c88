#include "platform/SpellingMarks.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/QtText.h"
#include "platform/Runtime.h"
#include "platform/SpellChecker.h"

namespace fw {

namespace {

constexpr qsizetype kLongestWord = 64;
// Characters read beyond each edge of the screen, so that a word cut by an
// edge is checked whole.
constexpr int kMargin = kLongestWord + 16;
// Corrections offered for one word.
constexpr std::size_t kSuggestions = 5;

QTextCharFormat MarkFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

// A menu entry's text shows "&" as itself, not as a shortcut letter.
QString MenuText(const std::string& utf8) {
    return ToQString(utf8).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

SpellingMarks::SpellingMarks(QAbstractScrollArea* editor) : editor_(editor) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { Dispatch([this] { Update(); }); });
    const auto later = [this] { timer_.start(); };
    WithEditor(editor, [&](auto* edit) {
        connect(edit->document(), &QTextDocument::contentsChanged, this, later);
    });
    connect(editor->verticalScrollBar(), &QScrollBar::valueChanged, this, later);
    connect(editor->horizontalScrollBar(), &QScrollBar::valueChanged, this, later);
    editor->viewport()->installEventFilter(this);

    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this, [this](QPoint position) {
        Dispatch([this, position] {
            QPointer<QMenu> menu = ContextMenu(position);
            menu->exec(editor_->viewport()->mapToGlobal(position));
            delete menu;
        });
    });
    timer_.start();
}

SpellingMarks::~SpellingMarks() {
    if (!editor_) {
        return;
    }
    editor_->viewport()->removeEventFilter(this);
    editor_->setContextMenuPolicy(Qt::DefaultContextMenu);
    WithEditor(editor_, [](auto* edit) { edit->setExtraSelections({}); });
}

bool SpellingMarks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        timer_.start();
    }
    return QObject::eventFilter(watched, event);
}

void SpellingMarks::Update() {
    if (!editor_) {
        return;
    }
    if (!checker_) {
        // Made on first use, once the window is on screen: loading a dictionary
        // takes a moment.
        checker_ = SpellChecker::Shared();
    }
    if (!checker_->HasDictionary()) {
        return;
    }
    WithEditor(editor_.data(), [&](auto* edit) {
        QTextDocument* document = edit->document();
        const QRect view = edit->viewport()->rect();
        const int end = document->characterCount() - 1;
        const int from = std::max(0, edit->cursorForPosition(view.topLeft()).position() - kMargin);
        const int to =
            std::min(end, edit->cursorForPosition(view.bottomRight()).position() + kMargin);
        QTextCursor range(document);
        range.setPosition(from);
        range.setPosition(to, QTextCursor::KeepAnchor);
        const QString text = range.selectedText();

        const QTextCharFormat format = MarkFormat();
        QList<QTextEdit::ExtraSelection> marks;
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
        qsizetype start = -1;
        for (qsizetype at = 0; at >= 0; at = words.toNextBoundary()) {
            const auto reasons = words.boundaryReasons();
            if ((reasons & QTextBoundaryFinder::EndOfItem) && start >= 0) {
                // A word touching a cut edge of the range is not whole.
                const bool whole = (start > 0 || from == 0) && (at < text.size() || to == end);
                if (whole && IsMisspelt(text.mid(start, at - start))) {
                    QTextEdit::ExtraSelection mark;
                    mark.cursor = QTextCursor(document);
                    mark.cursor.setPosition(from + static_cast<int>(start));
                    mark.cursor.setPosition(from + static_cast<int>(at), QTextCursor::KeepAnchor);
                    mark.format = format;
                    marks.append(mark);
                }
                start = -1;
            }
            if (reasons & QTextBoundaryFinder::StartOfItem) {
                start = at;
            }
        }
        edit->setExtraSelections(marks);
    });
}

bool SpellingMarks::IsMisspelt(QString word) {
    if (word.size() > kLongestWord) {
        return false;
    }
    bool letter = false;
    for (const char32_t c : word.toUcs4()) {
        if (QChar::isDigit(c)) {
            return false;
        }
        letter = letter || QChar::isLetter(c);
    }
    if (!letter) {
        return false;
    }
    // Dictionaries spell the apostrophe as the typewriter's.
    word.replace(QChar(0x2019), QLatin1Char('\''));
    return !checker_->IsCorrect(FromQString(word));
}

QMenu* SpellingMarks::ContextMenu(QPoint position) {
    return WithEditor(editor_.data(), [&](auto* edit) {
        QMenu* menu = edit->createStandardContextMenu();
        const int at = edit->cursorForPosition(position).position();
        const auto marks = edit->extraSelections();
        const auto mark = std::find_if(marks.begin(), marks.end(), [at](const auto& m) {
            return m.cursor.selectionStart() <= at && at <= m.cursor.selectionEnd();
        });
        if (mark == marks.end() || !checker_) {
            return menu;
        }
        QAction* first = menu->actions().value(0);
        QTextCursor word = mark->cursor;
        const std::string spelt = FromQString(word.selectedText());
        for (const std::string& suggestion : checker_->Suggestions(spelt, kSuggestions)) {
            auto* action = new QAction(MenuText(suggestion), menu);
            connect(action, &QAction::triggered, this,
                    [word, text = ToQString(suggestion)]() mutable {
                        // One edit, so that one Undo brings the word back.
                        word.beginEditBlock();
                        word.insertText(text);
                        word.endEditBlock();
                    });
            menu->insertAction(first, action);
        }
        if (first != nullptr && menu->actions().indexOf(first) > 0) {
            menu->insertSeparator(first);
        }
        auto* add = new QAction(QStringLiteral("Add to Dictionary"), menu);
        connect(add, &QAction::triggered, this, [this, spelt] {
            checker_->AddToDictionary(spelt);
            timer_.start();
        });
        menu->insertAction(first, add);
        auto* ignore = new QAction(QStringLiteral("Ignore Spelling"), menu);
        connect(ignore, &QAction::triggered, this, [this, spelt] {
            checker_->Ignore(spelt);
            timer_.start();
        });
        menu->insertAction(first, ignore);
        menu->insertSeparator(first);
        return menu;
    });
}

}  // namespace fw
