#pragma once

// A multi-line text field. Positions and lengths (SelStart, SelLength) count
// characters. A plain (not Styled) text area holds plain text; a Styled one can
// hold rich text. Line breaks read back as LF; CR and CRLF set into it become LF.
// With AutomaticallyCheckSpelling an editable text area marks misspelt words
// as the user types (see SpellingMarks); a read-only one is never checked.

#include <memory>
#include <string>

#include "platform/RectControl.h"

namespace fw {

class Graphics;
class SpellingMarks;
class StyledTextPrinter;

class TextArea : public RectControl {
public:
    TextArea();
    ~TextArea() override;

    [[nodiscard]] RecordKind Kind() const override { return RecordKind::TextArea; }
    void CreateWidget(QWidget* parent) override;

    [[nodiscard]] std::string Text() const;
    void Text(const std::string& text);
    // Adds text at the end, as typed there.
    void AppendText(const std::string& text);

    [[nodiscard]] int SelStart() const;
    void SelStart(int characters);
    [[nodiscard]] int SelLength() const;
    void SelLength(int characters);

    void LineSpacing(double spacing) { lineSpacing_ = spacing; }
    [[nodiscard]] double LineSpacing() const { return lineSpacing_; }
    [[nodiscard]] bool ReadOnly() const;

    // The Edit menu's commands on this text area. The Can... functions tell
    // whether a command would do anything (nothing changes a read-only area).
    enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };
    [[nodiscard]] bool CanEdit(EditCommand command) const;
    void Edit(EditCommand command);

    // A printer for this text area's text on `graphics`, wrapped at `width`.
    std::unique_ptr<StyledTextPrinter> styledTextPrinter(Graphics& graphics, int width) const;

protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;

private:
    void MakeEditor(QWidget* parent, bool styled);
    // Starts or stops spell checking as the properties now ask.
    void CheckSpelling();
    double lineSpacing_ = 1.0;
    std::unique_ptr<SpellingMarks> spelling_;
};

}  // namespace fw
