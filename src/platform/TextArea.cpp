#include "platform/TextArea.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>

#include "platform/QtText.h"
#include "platform/SpellingMarks.h"
#include "platform/print/StyledTextPrinter.h"

namespace fw {

namespace {

QColor ToQColor(const Color& color) {
    return {color.red, color.green, color.blue};
}

}  // namespace

TextArea::TextArea() = default;
TextArea::~TextArea() = default;

void TextArea::CreateWidget(QWidget* parent) {
    MakeEditor(parent, false);
}

void TextArea::MakeEditor(QWidget* parent, bool styled) {
    QString text;
    if (QWidget* old = Widget()) {
        text = WithEditor(old, [](auto* edit) { return edit->toPlainText(); });
    }
    spelling_.reset();
    QWidget* editor = nullptr;
    if (styled) {
        auto* rich = new QTextEdit(parent);
        rich->setAcceptRichText(true);
        editor = rich;
    } else {
        editor = new QPlainTextEdit(parent);
    }
    WithEditor(editor, [&](auto* edit) {
        edit->setPlainText(text);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setTabChangesFocus(true);
    });
    SetWidget(editor);
    for (const char* name :
         {"Border", "ScrollbarHorizontal", "ScrollbarVertical", "TextColor", "BackColor",
          "HideSelection", "ReadOnly", "AcceptTabs", "AutomaticallyCheckSpelling"}) {
        if (const PropertyValue* value = Property(name)) {
            ApplyProperty(name, *value);
        }
    }
}

bool TextArea::ApplyProperty(const std::string& name, const PropertyValue& value) {
    QWidget* widget = Widget();
    if (!widget) {
        return false;
    }
    if (name == "Styled") {
        const bool styled = std::get<bool>(value);
        if (styled != (qobject_cast<QTextEdit*>(widget) != nullptr)) {
            MakeEditor(widget->parentWidget(), styled);
        }
        return true;
    }
    if (name == "Text") {
        Text(std::get<std::string>(value));
        return true;
    }
    return WithEditor(widget, [&](auto* edit) {
        using Edit = std::remove_pointer_t<decltype(edit)>;
        if (name == "Border") {
            edit->setFrameShape(std::get<bool>(value) ? QFrame::StyledPanel : QFrame::NoFrame);
        } else if (name == "ScrollbarHorizontal") {
            // Without a horizontal scroll bar long lines wrap at the width.
            const bool bar = std::get<bool>(value);
            edit->setHorizontalScrollBarPolicy(bar ? Qt::ScrollBarAsNeeded
                                                   : Qt::ScrollBarAlwaysOff);
            edit->setLineWrapMode(bar ? Edit::NoWrap : Edit::WidgetWidth);
        } else if (name == "ScrollbarVertical") {
            edit->setVerticalScrollBarPolicy(std::get<bool>(value) ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        } else if (name == "TextColor" || name == "BackColor" || name == "HideSelection") {
            QPalette palette = edit->palette();
            if (const auto* color = Property("TextColor")) {
                palette.setColor(QPalette::Text, ToQColor(std::get<Color>(*color)));
            }
            if (const auto* color = Property("BackColor")) {
                palette.setColor(QPalette::Base, ToQColor(std::get<Color>(*color)));
            }
            const auto* hide = Property("HideSelection");
            const bool hideSelection = hide && std::get<bool>(*hide);
            palette.setColor(QPalette::Inactive, QPalette::Highlight,
                             hideSelection ? palette.color(QPalette::Base)
                                           : palette.color(QPalette::Active, QPalette::Highlight));
            palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                             hideSelection
                                 ? palette.color(QPalette::Text)
                                 : palette.color(QPalette::Active, QPalette::HighlightedText));
            edit->setPalette(palette);
        } else if (name == "ReadOnly") {
            edit->setReadOnly(std::get<bool>(value));
            CheckSpelling();
        } else if (name == "AutomaticallyCheckSpelling") {
            CheckSpelling();
        } else if (name == "AcceptTabs") {
            edit->setTabChangesFocus(!std::get<bool>(value));
        } else if (name == "LimitText" || name == "Multiline") {
            // Kept without effect: every text area here is multi-line, without a limit.
            return false;
        } else {
            return RectControl::ApplyProperty(name, value);
        }
        return true;
    });
}

void TextArea::CheckSpelling() {
    const bool wanted = BooleanOr(Property("AutomaticallyCheckSpelling"), false) && !ReadOnly();
    if (!wanted) {
        spelling_.reset();
    } else if (!spelling_ || spelling_->Editor() != Widget()) {
        spelling_ = std::make_unique<SpellingMarks>(static_cast<QAbstractScrollArea*>(Widget()));
    }
}

std::string TextArea::Text() const {
    if (!Widget()) {
        return {};
    }
    return FromQString(WithEditor(Widget(), [](auto* edit) { return edit->toPlainText(); }));
}

void TextArea::Text(const std::string& text) {
    if (!Widget()) {
        return;
    }
    const QString qtext = WithLineFeeds(text);
    WithEditor(Widget(), [&](auto* edit) { edit->setPlainText(qtext); });
}

void TextArea::AppendText(const std::string& text) {
    if (!Widget()) {
        return;
    }
    const QString qtext = WithLineFeeds(text);
    WithEditor(Widget(), [&](auto* edit) {
        QTextCursor cursor(edit->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(qtext);
    });
}

int TextArea::SelStart() const {
    if (!Widget()) {
        return 0;
    }
    return WithEditor(Widget(), [](auto* edit) {
        return CharactersBefore(edit->toPlainText(), edit->textCursor().selectionStart());
    });
}

void TextArea::SelStart(int characters) {
    if (!Widget()) {
        return;
    }
    WithEditor(Widget(), [&](auto* edit) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(Utf16Offset(edit->toPlainText(), characters));
        edit->setTextCursor(cursor);
    });
}

int TextArea::SelLength() const {
    if (!Widget()) {
        return 0;
    }
    return WithEditor(Widget(), [](auto* edit) {
        const QTextCursor cursor = edit->textCursor();
        return static_cast<int>(cursor.selectedText().toUcs4().size());
    });
}

void TextArea::SelLength(int characters) {
    if (!Widget()) {
        return;
    }
    WithEditor(Widget(), [&](auto* edit) {
        QTextCursor cursor = edit->textCursor();
        const QString text = edit->toPlainText();
        const int start = cursor.selectionStart();
        const int end = Utf16Offset(text, CharactersBefore(text, start) + std::max(characters, 0));
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
    });
}

bool TextArea::ReadOnly() const {
    return Widget() && WithEditor(Widget(), [](auto* edit) { return edit->isReadOnly(); });
}

bool TextArea::CanEdit(EditCommand command) const {
    if (!Widget()) {
        return false;
    }
    return WithEditor(Widget(), [&](auto* edit) {
        const bool writable = !edit->isReadOnly();
        const bool selection = edit->textCursor().hasSelection();
        switch (command) {
            case EditCommand::Undo:
                return writable && edit->document()->isUndoAvailable();
            case EditCommand::Cut:
            case EditCommand::Clear:
                return writable && selection;
            case EditCommand::Copy:
                return selection;
            case EditCommand::Paste: {
                const QMimeData* data = QApplication::clipboard()->mimeData();
                return writable && data != nullptr && data->hasText();
            }
            case EditCommand::SelectAll:
                return !edit->document()->isEmpty();
        }
        return false;
    });
}

void TextArea::Edit(EditCommand command) {
    if (!CanEdit(command)) {
        return;
    }
    WithEditor(Widget(), [&](auto* edit) {
        switch (command) {
            case EditCommand::Undo:
                edit->undo();
                break;
            case EditCommand::Cut:
                edit->cut();
                break;
            case EditCommand::Copy:
                edit->copy();
                break;
            case EditCommand::Paste:
                edit->paste();
                break;
            case EditCommand::Clear:
                edit->textCursor().removeSelectedText();
                break;
            case EditCommand::SelectAll:
                edit->selectAll();
                break;
        }
    });
}

std::unique_ptr<StyledTextPrinter> TextArea::styledTextPrinter(Graphics& graphics,
                                                               int width) const {
    return std::make_unique<StyledTextPrinter>(graphics, Text(), width);
}

}  // namespace fw
