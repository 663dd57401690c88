// Spell checking in text areas on real widgets, through the real Enchant
// library with a small Hunspell dictionary written here, so that nothing
// depends on the machine's language or its installed dictionaries.

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <fstream>

#include "platform/HostWindow.h"
#include "platform/PlatformTestSupport.h"
#include "platform/SpellChecker.h"
#include "platform/TextArea.h"

namespace {

using namespace std::string_literals;
using Words = std::vector<std::string>;

// The dictionary "xx_TEST": a handful of words; TRY lets it suggest swaps.
constexpr const char* kLanguage = "xx_TEST";
constexpr const char* kAffixes = "SET UTF-8\nTRY esiantrolcdugmphbyfvkwzxjqEAT'\n";
constexpr const char* kWords = "7\nmeet\nme\nat\nthe\nmill\ndon't\ncaf\xC3\xA9\n";

std::string Utf8(const QString& text) {
    return text.toStdString();
}

QWidget* Viewport(QWidget* editor) {
    return static_cast<QAbstractScrollArea*>(editor)->viewport();
}

// The words under a spelling mark, in text order.
Words Marked(QWidget* editor) {
    QList<QTextEdit::ExtraSelection> marks;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) {
        marks = plain->extraSelections();
    } else {
        marks = static_cast<QTextEdit*>(editor)->extraSelections();
    }
    Words words;
    for (const auto& mark : marks) {
        EXPECT_EQ(mark.format.underlineStyle(), QTextCharFormat::SpellCheckUnderline);
        words.push_back(Utf8(mark.cursor.selectedText()));
    }
    return words;
}

// Lets the checking that follows a change run.
void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

class Spelling : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        ASSERT_TRUE(config_.isValid());
        const QString folder = config_.path() + "/hunspell";
        ASSERT_TRUE(QDir().mkpath(folder));
        std::ofstream(Utf8(folder + "/" + kLanguage + ".aff")) << kAffixes;
        std::ofstream(Utf8(folder + "/" + kLanguage + ".dic")) << kWords;
        // Enchant keeps its personal word lists, and finds Hunspell
        // dictionaries, in this folder.
        earlierConfig_ = qgetenv("ENCHANT_CONFIG_DIR");
        qputenv("ENCHANT_CONFIG_DIR", config_.path().toUtf8());
        fw::SpellChecker::UseLanguages({kLanguage});
    }
    void TearDown() override {
        PlatformTest::TearDown();
        fw::SpellChecker::UseLanguages({});
        qputenv("ENCHANT_CONFIG_DIR", earlierConfig_);
    }

    std::shared_ptr<fw::TextArea> Area(const Values& values) {
        std::shared_ptr<fw::TextArea> area;
        window_ = HostWindow::Open(TestRecord(fw::RecordKind::Window, {{"Width", 400}}),
                                   [&](HostWindow& w) {
                                       Values all = {{"Width", 360}, {"Height", 200}};
                                       all.insert(all.end(), values.begin(), values.end());
                                       area = AddTestControl<fw::TextArea>(w, "Area", all);
                                   });
        Settle();
        return area;
    }

    // Right-clicks the first `word` of the area; returns the entries of the
    // menu (separators as "-") and chooses the entry `choose` in it.
    static Words RightClick(fw::TextArea& area, const QString& word, const QString& choose) {
        auto* edit = static_cast<QPlainTextEdit*>(area.Widget());
        QTextCursor cursor(edit->document());
        cursor.setPosition(static_cast<int>(edit->toPlainText().indexOf(word)) + 1);
        const QPoint at = edit->cursorRect(cursor).center();
        Words entries;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                entries.push_back(action->isSeparator() ? "-" : Utf8(action->text()));
                if (action->text() == choose) {
                    chosen = action;
                }
            }
            if (chosen != nullptr) {
                chosen->trigger();
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, Viewport(edit)->mapToGlobal(at));
        QApplication::sendEvent(Viewport(edit), &event);
        Settle();
        return entries;
    }

    QTemporaryDir config_;
    QByteArray earlierConfig_;
    std::shared_ptr<HostWindow> window_;
};

TEST_F(Spelling, MarksMisspeltWordsOfEditableCheckedAreas) {
    const std::string mixed =
        "Don\xE2\x80\x99t meet me at the caf\xC3\xA9 mp3 2nd \xE6\x9D\xB1\xE4\xBA\xAC "
        "\xD0\xBC\xD0\xB8\xD1\x80 tehh";
    struct Row {
        const char* name;
        Values record;
        std::string text;
        Words marked;
        const char* language = kLanguage;
    };
    // clang-format off
    const Row rows[] = {
        {"misspelt word", {{"AutomaticallyCheckSpelling", true}}, "Meet me at teh mill", {"teh"}},
        {"apostrophes, accents, digits, other scripts", {{"AutomaticallyCheckSpelling", true}},
         mixed, {"\xD0\xBC\xD0\xB8\xD1\x80", "tehh"}},
        {"styled area", {{"AutomaticallyCheckSpelling", true}, {"Styled", true}}, "teh mill", {"teh"}},
        {"checking off", {{"AutomaticallyCheckSpelling", false}}, "Meet me at teh mill", {}},
        {"read-only area", {{"AutomaticallyCheckSpelling", true}, {"ReadOnly", true}}, "teh", {}},
        {"no dictionary", {{"AutomaticallyCheckSpelling", true}}, "Meet me at teh mill", {}, "xx_NONE"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fw::SpellChecker::UseLanguages({row.language});
        Values record = row.record;
        record.emplace_back("Text", row.text);
        const auto area = Area(record);
        EXPECT_EQ(Marked(area->Widget()), row.marked);
        // The marks are drawn over the text: nothing of it changes.
        EXPECT_EQ(area->Text(), row.text);
        EXPECT_FALSE(area->CanEdit(fw::TextArea::EditCommand::Undo));
        window_->Close();
    }
    EXPECT_TRUE(desktop_->messages.empty());
    EXPECT_TRUE(unhandled_.empty());
}

TEST_F(Spelling, TypingAndCorrectingMovesTheMarks) {
    const auto area = Area({{"AutomaticallyCheckSpelling", true}});
    QWidget* edit = area->Widget();
    QTest::keyClicks(edit, "Meet me at teh");
    Settle();
    EXPECT_EQ(Marked(edit), Words{"teh"});
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, "he mill");
    Settle();
    EXPECT_EQ(area->Text(), "Meet me at the mill");
    EXPECT_EQ(Marked(edit), Words{});
}

TEST_F(Spelling, SuggestionReplacesTheWordAsOneUndoStep) {
    const auto area =
        Area({{"AutomaticallyCheckSpelling", true}, {"Text", "Meet me at teh mill"s}});
    const Words menu = RightClick(*area, "teh", "the");
    ASSERT_GT(menu.size(), 5U);
    EXPECT_EQ(Words(menu.begin(), menu.begin() + 5),
              (Words{"the", "-", "Add to Dictionary", "Ignore Spelling", "-"}));
    // Then the usual entries, Undo first.
    EXPECT_EQ(menu[5].rfind("&Undo", 0), 0U) << menu[5];
    EXPECT_EQ(area->Text(), "Meet me at the mill");
    EXPECT_EQ(Marked(area->Widget()), Words{});

    area->Edit(fw::TextArea::EditCommand::Undo);
    Settle();
    EXPECT_EQ(area->Text(), "Meet me at teh mill");
    EXPECT_EQ(Marked(area->Widget()), Words{"teh"});
}

TEST_F(Spelling, AddedWordsStayAcceptedIgnoredOnlyForTheRun) {
    struct Row {
        std::string word;
        const char* entry;
        bool markedInNextRun;
    };
    for (const Row& row :
         {Row{"zork", "Add to Dictionary", false}, Row{"blorp", "Ignore Spelling", true}}) {
        SCOPED_TRACE(row.entry);
        fw::SpellChecker::UseLanguages({kLanguage});
        const auto area =
            Area({{"AutomaticallyCheckSpelling", true}, {"Text", row.word + " mill"}});
        EXPECT_EQ(Marked(area->Widget()), Words{row.word});
        RightClick(*area, QString::fromStdString(row.word), row.entry);
        EXPECT_EQ(Marked(area->Widget()), Words{});
        window_->Close();

        // A new checker is what the next run of the program gets.
        fw::SpellChecker::UseLanguages({kLanguage});
        const auto next =
            Area({{"AutomaticallyCheckSpelling", true}, {"Text", row.word + " mill"}});
        EXPECT_EQ(Marked(next->Widget()), row.markedInNextRun ? Words{row.word} : Words{});
        window_->Close();
    }
}

TEST_F(Spelling, LongTextIsCheckedWhereItIsShown) {
    for (const char* separator : {" ", "\r"}) {
        SCOPED_TRACE(separator[0] == ' ' ? "one paragraph" : "many lines");
        std::string text;
        for (int i = 0; i < 250000; ++i) {
            text += "teh"s + separator;
        }
        const auto area = Area({{"AutomaticallyCheckSpelling", true}, {"Text", text}});
        auto* edit = static_cast<QPlainTextEdit*>(area->Widget());
        const auto marks = [&] { return edit->extraSelections(); };
        ASSERT_FALSE(marks().isEmpty());
        EXPECT_LT(marks().size(), 1000);
        EXPECT_LT(marks().last().cursor.position(), 5000);

        edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
        Settle();
        ASSERT_FALSE(marks().isEmpty());
        EXPECT_LT(marks().size(), 1000);
        EXPECT_GT(marks().first().cursor.position(), 990000);
        window_->Close();
    }
}

}  // namespace
