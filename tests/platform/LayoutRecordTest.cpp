// Layout records: the bytes the builder writes, the reader reading them back,
// and records that are refused.

#include <gtest/gtest.h>

#include <QLabel>

#include "platform/HostWindow.h"
#include "platform/Label.h"
#include "platform/LayoutRecord.h"
#include "platform/PlatformTestSupport.h"
#include "platform/TestWindowLayout.h"

namespace {

using fw::BuildRecord;
using fw::RecordKind;
using namespace std::string_literals;
namespace layout = test_window_layout;

const std::string& SocketRecord() {
    static const std::string record =
        BuildRecord(RecordKind::HTTPSocket, {{"Address", ""s}, {"Port", 0}, {"yield", false}});
    return record;
}

// The builder's bytes: whole records, or runs that must appear inside one.
TEST(LayoutRecord, BuilderWritesTheEntriesBackToBack) {
    const struct {
        const char* name;
        const std::string& record;
        std::string bytes;
        bool whole;
    } cases[] = {
        // clang-format off
        {"SocketWithEmptyStringIsNoHeaderNoTerminator", SocketRecord(),
         "Address \0\0\0\0" "Port \0\0\0\0" "yield \0"s, true},
        // 233 bytes: a short record still starts with its first name, not a length.
        {"ProgressBarUnder255Bytes", layout::ProgressRecord(),
         "TabStop \x01" "TabIndex \0\0\0\x03" "Name \0\0\0\x08Progress" "Index \x80\0\0\0"
         "Left \0\0\0\x14" "Top \0\0\0\xA6" "Width \0\0\x01\x40" "Height \0\0\0\x12"
         "LockLeft \0" "LockTop \0" "LockRight \0" "LockBottom \0" "TabPanelIndex \0\0\0\0"
         "Visible \x01" "HelpTag \0\0\0\0" "AutoDeactivate \x01" "Enabled \x01"
         "Value \0\0\0\x28" "Maximum \0\0\0\x64" "InitialParent \0\0\0\0"s, true},
        {"LabelBooleanIsOneByteBeforeName", layout::HeadingRecord(),
         "TabStop \x01" "Name \0\0\0\x07Heading" "Index \x80\0\0\0" "Left \0\0\0\x14"
         "Top \0\0\0\x0C"s, false},
        {"ColorIsThreeBytes", layout::HeadingRecord(),
         "TextColor \0\0\x80" "Multiline \0" "Enabled \x01"s, false},
        {"TextCountsUtf8BytesAndKeepsCR", layout::NotesRecord(),
         "Text \0\0\0\x2B" "First line\rSecond line: Gr\xC3\xBC\xC3\x9F" "e, "
         "\xE6\x9D\xB1\xE4\xBA\xAC \xE2\x9C\x93" "Mask \0\0\0\0"s, false},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.whole) {
            EXPECT_EQ(c.record, c.bytes);
        } else {
            EXPECT_NE(c.record.find(c.bytes), std::string::npos)
                << ::testing::PrintToString(c.record);
        }
    }
}

// The reader takes back what the builder wrote, for each kind with its full
// property count.
TEST(LayoutRecord, ReaderReadsWhatTheBuilderWrote) {
    const struct {
        RecordKind kind;
        const std::string& record;
        std::size_t count;
    } records[] = {
        {RecordKind::Window, layout::WindowRecord(), 21},
        {RecordKind::TextArea, layout::NotesRecord(), 41},
        {RecordKind::PushButton, layout::OkButtonRecord(), 26},
        {RecordKind::Label, layout::HeadingRecord(), 30},
        {RecordKind::ProgressBar, layout::ProgressRecord(), 20},
        {RecordKind::HTTPSocket, SocketRecord(), 3},
    };
    for (const auto& r : records) {
        SCOPED_TRACE(std::string(fw::RecordKindName(r.kind)));
        const auto properties = fw::RecordProperties(r.kind);
        const auto entries = fw::ReadRecord(r.kind, r.record);
        ASSERT_EQ(properties.size(), r.count);
        ASSERT_EQ(entries.size(), r.count);
        for (std::size_t i = 0; i < r.count; ++i) {
            EXPECT_EQ(entries[i].name, properties[i].name);
        }
    }
    const auto bar = fw::ReadRecord(RecordKind::ProgressBar, layout::ProgressRecord());
    EXPECT_EQ(bar[0].value, fw::PropertyValue(true));
    EXPECT_EQ(bar[2].value, fw::PropertyValue("Progress"s));
    EXPECT_EQ(bar[3].value, fw::PropertyValue(fw::kNotInControlArray));
    EXPECT_EQ(bar[5].value, fw::PropertyValue(166));
    EXPECT_EQ(fw::ReadRecord(RecordKind::Label, layout::HeadingRecord())[15].value,
              fw::PropertyValue(fw::RGB(0, 0, 0x80)));
    EXPECT_EQ(fw::ReadRecord(RecordKind::TextArea, layout::NotesRecord())[31].value,
              fw::PropertyValue("First line\rSecond line: Gr\xC3\xBC\xC3\x9F"
                                "e, \xE6\x9D\xB1\xE4\xBA\xAC \xE2\x9C\x93"s));
}

TEST(LayoutRecord, BuilderRefusesEntriesThatDoNotMatchTheList) {
    const auto refusal = [](std::initializer_list<fw::RecordEntry> entries) -> std::string {
        try {
            (void)BuildRecord(RecordKind::HTTPSocket, entries);
        } catch (const fw::RecordError& error) {
            return error.what();
        }
        return "built";
    };
    EXPECT_NE(refusal({{"Address", ""s}, {"Port", 0}}).find("instead of 3"), std::string::npos);
    EXPECT_NE(refusal({{"Port", 0}, {"Address", ""s}, {"yield", false}}).find("'Port'"),
              std::string::npos);
    EXPECT_NE(refusal({{"Address", ""s}, {"Port", "80"s}, {"yield", false}}).find("'Port'"),
              std::string::npos);
}

// Each record sits in a buffer whose bytes after its end would complete it: a
// reader that looked past the end would accept it.
TEST(LayoutRecord, ReaderRefusesWithAnErrorNamingTheProperty) {
    constexpr RecordKind kSocket = RecordKind::HTTPSocket;
    const struct {
        const char* name;
        RecordKind kind;
        std::string bytes;
        std::string beyondEnd;
        const char* mentions;
    } cases[] = {
        // clang-format off
        {"UnknownName", kSocket, "Address \0\0\0\0Host \0\0\0\0"s, "", "'Host'"},
        {"NameOfAnotherKind", RecordKind::Label, "Caption \0\0\0\x02OK"s, "", "'Caption'"},
        {"NameInAnotherCase", kSocket, "port \0\0\0\0"s, "", "'port'"},
        {"StringPastTheEnd", kSocket, "Address \0\0\0\x05" "abc"s, "de", "'Address'"},
        {"StringCountCutShort", kSocket, "Address \0\0"s, "\0\0"s, "'Address'"},
        {"StringCountBeyondAnyRecord", kSocket, "Address \xFF\xFF\xFF\xFF" "abc"s, "",
         "'Address'"},
        {"IntegerCutShort", kSocket, "Port \0\0\0"s, "\x50"s, "'Port'"},
        {"BooleanMissing", kSocket, "Port \0\0\0\x50yield "s, "\x01"s, "'yield'"},
        {"ColorCutShort", RecordKind::Label, "TextColor \x01\x02"s, "\x03"s, "'TextColor'"},
        {"NameWithoutBlank", kSocket, "Address \0\0\0\0Por"s, "t \0\0\0\0"s, "'Por'"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string buffer = c.bytes + c.beyondEnd;
        try {
            const auto entries =
                fw::ReadRecord(c.kind, std::string_view(buffer).substr(0, c.bytes.size()));
            ADD_FAILURE() << "read " << entries.size() << " entries";
        } catch (const fw::RecordError& error) {
            EXPECT_NE(std::string(error.what()).find(c.mentions), std::string::npos)
                << error.what();
        }
    }
}

using RefusedRecord = PlatformTest;

TEST_F(RefusedRecord, LeavesTheWindowAndControlAsTheyWere) {
    std::shared_ptr<fw::Label> label;
    const auto window =
        HostWindow::Open(TestRecord(RecordKind::Window, {{"Title", "Host"s}}), [&](HostWindow& w) {
            label = AddTestControl<fw::Label>(w, "Caption", {{"Text", "before"s}});
        });
    // Valid entries first, then a name labels do not have.
    EXPECT_THROW(fw::SetProperties(*label,
                                   "Text \0\0\0\x05"
                                   "afterBold \x01"
                                   "Caption \0\0\0\0"s),
                 fw::RecordError);
    EXPECT_EQ(label->Text(), "before");
    EXPECT_EQ(qobject_cast<QLabel*>(label->Widget())->text(), "before");
    EXPECT_FALSE(label->Widget()->font().bold());

    EXPECT_THROW(fw::SetProperties(*window, "Title \0\0\0\x03NewWidth \0\0\0"s), fw::RecordError);
    EXPECT_EQ(window->Title(), "Host");
}

}  // namespace
