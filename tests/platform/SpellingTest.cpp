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
#include <tuple>

#include "platform/HostWindow.h"
#include "platform/PlatformTestSupport.h"
#include "platform/SpellChecker.h"
#include "platform/TextArea.h"

namespace {

using namespace std::string_literals;
using Words = std::vector<std::string>;

// The dictionary "xx_TEST": a handful of words; TRY lets it suggest swaps.
// "zat" is one letter away from more words than the menu offers.
constexpr const char* kLanguage = "xx_TEST";
constexpr const char* kAffixes = "SET UTF-8\nTRY esiantrolcdugmphbyfvkwzxjqEAT'\n";
constexpr const char* kWords =
    "14\nmeet\nme\nat\nthe\nmill\ndon't\ncaf\xC3\xA9\nbat\ncat\nhat\nmat\npat\nrat\nsat\n";

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

    // Two checked areas, one above the other, in one window.
    std::vector<std::shared_ptr<fw::TextArea>> Areas(const std::string& upper,
                                                     const std::string& lower) {
        std::vector<std::shared_ptr<fw::TextArea>> areas;
        window_ = HostWindow::Open(
            TestRecord(fw::RecordKind::Window, {{"Width", 400}, {"Height", 300}}),
            [&](HostWindow& w) {
                for (const auto& [name, top, text] :
                     {std::tuple{"Upper", 0, upper}, std::tuple{"Lower", 150, lower}}) {
                    areas.push_back(
                        AddTestControl<fw::TextArea>(w, name,
                                                     {{"Top", top},
                                                      {"Width", 360},
                                                      {"Height", 140},
                                                      {"Text", text},
                                                      {"AutomaticallyCheckSpelling", true}}));
                }
            });
        Settle();
        return areas;
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
        {"runs over 64 characters", {{"AutomaticallyCheckSpelling", true}},
         std::string(64, 'z') + " " + std::string(65, 'z'), {std::string(64, 'z')}},
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
    window_->Close();

    // Eight dictionary words are one letter from "zat"; five are offered.
    const auto many = Area({{"AutomaticallyCheckSpelling", true}, {"Text", "zat mill"s}});
    const Words offered = RightClick(*many, "zat", "");
    ASSERT_GT(offered.size(), 6U);
    EXPECT_EQ(offered[5], "-");
    EXPECT_EQ(offered[6], "Add to Dictionary");
}

// Adding or ignoring a word unmarks at once every form of it that the checker
// now accepts, in every checked area; a typographic apostrophe is the
// typewriter's for all of it. Added words last into the next run.
TEST_F(Spelling, AcceptedWordsLoseTheirMarksEverywhere) {
    struct Row {
        const char* name;
        std::string upper;  // the area right-clicked
        std::string lower;
        const char* word;
        const char* entry;
        Words markedInNextRun;  // in upper + " " + lower
    };
    const Row rows[] = {
        {"added, other letter cases", "zork mill Zork", "ZORK", "zork", "Add to Dictionary", {}},
        {"ignored", "blorp mill", "blorp", "blorp", "Ignore Spelling", {"blorp", "blorp"}},
        {"typographic apostrophe ignored",
         "don\xE2\x80\x99tt mill",
         "don'tt",
         "don\xE2\x80\x99tt",
         "Ignore Spelling",
         {"don\xE2\x80\x99tt", "don'tt"}},
        {"typographic apostrophe added",
         "won\xE2\x80\x99tt mill",
         "won'tt",
         "won\xE2\x80\x99tt",
         "Add to Dictionary",
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fw::SpellChecker::UseLanguages({kLanguage});
        const auto areas = Areas(row.upper, row.lower);
        EXPECT_FALSE(Marked(areas[0]->Widget()).empty());
        EXPECT_FALSE(Marked(areas[1]->Widget()).empty());
        RightClick(*areas[0], QString::fromUtf8(row.word), row.entry);
        EXPECT_EQ(Marked(areas[0]->Widget()), Words{});
        EXPECT_EQ(Marked(areas[1]->Widget()), Words{});
        EXPECT_EQ(areas[0]->Text(), row.upper);
        window_->Close();

        // A new checker is what the next run of the program gets.
        fw::SpellChecker::UseLanguages({kLanguage});
        const auto next =
            Area({{"AutomaticallyCheckSpelling", true}, {"Text", row.upper + " " + row.lower}});
        EXPECT_EQ(Marked(next->Widget()), row.markedInNextRun);
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
