#include "platform/SpellingMarks.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QHash>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
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
// More characters than any screen shows: the most read at once.
constexpr int kMostShown = 20000;

struct Span {
    int from;
    int to;
};

// The positions of the text shown in a plain editor. Its vertical scroll bar
// counts lines, so the top line is found directly; asking for the cursor at a
// point would walk every line of a long paragraph.
Span Shown(QPlainTextEdit* edit) {
    const QTextDocument* document = edit->document();
    const int top = edit->verticalScrollBar()->value();
    QTextBlock block = document->findBlockByLineNumber(top);
    int line = top - block.firstLineNumber();
    const QTextLayout* layout = block.layout();
    const int from =
        block.position() +
        (line > 0 && line < layout->lineCount() ? layout->lineAt(line).textStart() : 0);
    int to = from;
    const qreal height = edit->viewport()->height();
    qreal filled = 0;
    for (; block.isValid() && filled <= height; block = block.next(), line = 0) {
        layout = block.layout();
        if (layout->lineCount() == 0) {
            // Not laid out yet: take it whole (within the limit below).
            to = block.position() + block.length() - 1;
            filled += edit->fontMetrics().height();
        }
        for (; line < layout->lineCount() && filled <= height; ++line) {
            const QTextLine shown = layout->lineAt(line);
            filled += shown.height();
            to = block.position() + shown.textStart() + shown.textLength();
        }
    }
    return {from, std::min(to, from + kMostShown)};
}

Span Shown(QTextEdit* edit) {
    const QRect view = edit->viewport()->rect();
    const int from = edit->cursorForPosition(view.topLeft()).position();
    const int to = edit->cursorForPosition(view.bottomRight()).position();
    return {from, std::min(to, from + kMostShown)};
}

QTextCharFormat MarkFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

// Every live instance, so that a word accepted in one editor loses its marks in
// all of them.
std::vector<SpellingMarks*>& Everyone() {
    static std::vector<SpellingMarks*> everyone;
    return everyone;
}

// A menu entry's text shows "&" as itself, not as a shortcut letter.
QString MenuText(const std::string& utf8) {
    return ToQString(utf8).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

SpellingMarks::SpellingMarks(QAbstractScrollArea* editor) : editor_(editor) {
    Everyone().push_back(this);
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
    std::erase(Everyone(), this);
    if (!editor_) {
        return;
    }
    editor_->viewport()->removeEventFilter(this);
    editor_->setContextMenuPolicy(Qt::DefaultContextMenu);
    WithEditor(editor_, [](auto* edit) { edit->setExtraSelections({}); });
}

void SpellingMarks::CheckAgainEverywhere() {
    for (SpellingMarks* marks : Everyone()) {
        marks->timer_.start();
    }
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
        const Span shown = Shown(edit);
        const int end = document->characterCount() - 1;
        const int from = std::max(0, shown.from - kMargin);
        const int to = std::min(end, shown.to + kMargin);
        // Read without placing a cursor: in a long paragraph that costs Qt a
        // pass over the whole paragraph.
        QString text;
        text.reserve(to - from);
        for (int at = from; at < to; ++at) {
            text.append(document->characterAt(at));
        }
        // Marks that are still where they were keep their cursors, for the same
        // reason.
        QHash<int, QTextCursor> earlier;
        for (const auto& mark : edit->extraSelections()) {
            earlier.insert(mark.cursor.selectionStart(), mark.cursor);
        }

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
                    const int first = from + static_cast<int>(start);
                    const int last = from + static_cast<int>(at);
                    QTextEdit::ExtraSelection mark;
                    mark.cursor = earlier.value(first);
                    if (mark.cursor.isNull() || mark.cursor.selectionEnd() != last) {
                        mark.cursor = QTextCursor(document);
                        mark.cursor.setPosition(first);
                        mark.cursor.setPosition(last, QTextCursor::KeepAnchor);
                    }
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

bool SpellingMarks::IsMisspelt(const QString& word) {
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
            CheckAgainEverywhere();
        });
        menu->insertAction(first, add);
        auto* ignore = new QAction(QStringLiteral("Ignore Spelling"), menu);
        connect(ignore, &QAction::triggered, this, [this, spelt] {
            checker_->Ignore(spelt);
            CheckAgainEverywhere();
        });
        menu->insertAction(first, ignore);
        menu->insertSeparator(first);
        return menu;
    });
}

}  // namespace fw
