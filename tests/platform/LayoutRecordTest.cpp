// Layout records: the byte format, the property lists of each kind, and the
// refusal of records that cannot be built or read.

#include <gtest/gtest.h>

#include <QLabel>
#include <sstream>

#include "platform/HostWindow.h"
#include "platform/Label.h"
#include "platform/LayoutRecord.h"
#include "platform/PlatformTestSupport.h"
#include "platform/TestWindowLayout.h"

namespace {

using fw::BuildRecord;
using fw::kNotInControlArray;
using fw::RecordKind;
using fw::RGB;
using namespace std::string_literals;

std::string SocketRecord() {
    return BuildRecord(RecordKind::HTTPSocket, {{"Address", ""s}, {"Port", 0}, {"yield", false}});
}

// clang-format off
// The update window's progress bar, whose record is 237 bytes long.
std::string ProgressBar1Record() {
    return BuildRecord(RecordKind::ProgressBar, {
        {"TabStop", true},
        {"TabIndex", 1},
        {"Name", "ProgressBar1"s},
        {"Index", kNotInControlArray},
        {"Left", 20},
        {"Top", 47},
        {"Width", 266},
        {"Height", 12},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"Visible", true},
        {"HelpTag", ""s},
        {"AutoDeactivate", true},
        {"Enabled", true},
        {"Value", 0},
        {"Maximum", 100},
        {"InitialParent", ""s},
    });
}

std::string LabelRecord(const std::string& text, int left) {
    return BuildRecord(RecordKind::Label, {
        {"TabStop", true},
        {"Name", "Caption"s},
        {"Index", kNotInControlArray},
        {"Left", left},
        {"Top", 0x01020304},
        {"Width", 67},
        {"Height", 20},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", 0},
        {"Text", text},
        {"TextAlign", 2},
        {"TextColor", RGB(0x12, 0x34, 0x56)},
        {"Multiline", false},
        {"Enabled", true},
        {"Visible", true},
        {"Selectable", false},
        {"Transparent", false},
        {"HelpTag", ""s},
        {"AutoDeactivate", true},
        {"TextFont", "System"s},
        {"Bold", true},
        {"Italic", false},
        {"Underline", false},
        {"DataSource", ""s},
        {"DataField", ""s},
        {"InitialParent", ""s},
    });
}

// clang-format on

std::string Hex(std::string_view bytes) {
    std::ostringstream out;
    for (unsigned char c : bytes) {
        out << (c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c))
                                      : "<" + std::to_string(c) + ">");
    }
    return out.str();
}

// ---------------------------------------------------------------------------
// The bytes a record is made of.

enum class Where { Whole, Start, Inside, End };

struct ByteCase {
    const char* name;
    std::function<std::string()> record;
    Where where;
    std::string expected;
};

void PrintTo(const ByteCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordBytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(RecordBytes, HoldExactlyTheEncodedEntries) {
    const ByteCase& c = GetParam();
    const std::string record = c.record();
    switch (c.where) {
        case Where::Whole:
            EXPECT_EQ(Hex(record), Hex(c.expected));
            break;
        case Where::Start:
            EXPECT_EQ(Hex(record.substr(0, c.expected.size())), Hex(c.expected));
            break;
        case Where::Inside:
            EXPECT_NE(record.find(c.expected), std::string::npos) << Hex(record);
            break;
        case Where::End:
            ASSERT_GE(record.size(), c.expected.size());
            EXPECT_EQ(Hex(record.substr(record.size() - c.expected.size())), Hex(c.expected));
            break;
    }
}

const std::string k300 = std::string(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    LayoutRecord, RecordBytes,
    ::testing::Values(
        ByteCase{"SocketIs28BytesWithoutHeaderOrTerminator", SocketRecord, Where::Whole,
                 "Address \0\0\0\0Port \0\0\0\0yield \0"s},
        ByteCase{"ProgressBarRecordIs237Bytes",
                 [] { return std::string(ProgressBar1Record().size(), '.'); }, Where::Whole,
                 std::string(237, '.')},
        ByteCase{"ProgressBarBeginsWithItsFirstNameNotALength", ProgressBar1Record, Where::Start,
                 "TabStop \x01TabIndex \0\0\0\x01Name \0\0\0\x0CProgressBar1Index \x80\0\0\0"s},
        ByteCase{"TextAreaBeginsWithNameIndexLeft", test_window_layout::NotesRecord, Where::Start,
                 "Name \0\0\0\x05NotesIndex \x80\0\0\0Left \0\0\0\x14Top "s},
        ByteCase{"LabelBooleanIsOneByteBeforeName", [] { return LabelRecord("a", 36); },
                 Where::Start,
                 "TabStop \x01Name \0\0\0\x07"
                 "Caption"s},
        ByteCase{"IntegerIsBigEndian", [] { return LabelRecord("a", 36); }, Where::Inside,
                 "Top \x01\x02\x03\x04Width \0\0\0\x43"s},
        ByteCase{"NegativeIntegerIsTwosComplement", [] { return LabelRecord("a", -2); },
                 Where::Inside, "Left \xFF\xFF\xFF\xFETop "s},
        ByteCase{"ColorIsThreeBytes", [] { return LabelRecord("a", 36); }, Where::Inside,
                 "TextColor \x12\x34\x56Multiline \0Enabled \x01"s},
        ByteCase{"EmptyStringIsFourZeroBytes", [] { return LabelRecord("", 36); }, Where::Inside,
                 "Text \0\0\0\0TextAlign \0\0\0\x02"s},
        ByteCase{"RecordEndsWithInitialParentAndItsZeroCount", [] { return LabelRecord("a", 36); },
                 Where::End, "DataField \0\0\0\0InitialParent \0\0\0\0"s},
        ByteCase{"TextCountsBytesOfUtf8AndKeepsCR",
                 [] {
                     return LabelRecord(
                         "Zeile 1\rGr\xC3\xBC\xC3\x9F"
                         "e \xE2\x82\xAC",
                         36);
                 },
                 Where::Inside,
                 "Text \0\0\0\x13Zeile 1\rGr\xC3\xBC\xC3\x9F"
                 "e \xE2\x82\xACTextAlign "s},
        ByteCase{"TextLongerThan255BytesHasAFourByteCount", [] { return LabelRecord(k300, 36); },
                 Where::Inside, "Text \0\0\x01\x2C"s + k300 + "TextAlign "}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The property lists, as the window and control kinds define them.

struct ListCase {
    const char* name;
    RecordKind kind;
    std::size_t count;
    const char* order;
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordPropertyList : public ::testing::TestWithParam<ListCase> {};

TEST_P(RecordPropertyList, HasEveryPropertyInOrderWithItsType) {
    const ListCase& c = GetParam();
    const auto specs = fw::RecordProperties(c.kind);
    std::vector<std::string> expected;
    std::istringstream words(c.order);
    for (std::string word; words >> word;) {
        expected.push_back(word);
    }
    ASSERT_EQ(expected.size(), c.count);
    std::vector<std::string> names;
    for (const auto& spec : specs) {
        names.emplace_back(spec.name);
        // The test's default of a property has the type the property table gives it.
        const fw::PropertyValue value = DefaultValue(c.kind, spec.name);
        const int typeIndex = spec.type == fw::PropertyType::Integer   ? 0
                              : spec.type == fw::PropertyType::Boolean ? 1
                              : spec.type == fw::PropertyType::String  ? 2
                                                                       : 3;
        EXPECT_EQ(static_cast<int>(value.index()), typeIndex) << spec.name;
    }
    EXPECT_EQ(names, expected);
}

TEST_P(RecordPropertyList, ReadsBackWhatWasEncoded) {
    const ListCase& c = GetParam();
    const auto entries = fw::ReadRecord(c.kind, EncodeRecord(c.kind));
    const auto specs = fw::RecordProperties(c.kind);
    ASSERT_EQ(entries.size(), specs.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, specs[i].name);
        EXPECT_EQ(entries[i].value, DefaultValue(c.kind, specs[i].name)) << specs[i].name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    LayoutRecord, RecordPropertyList,
    ::testing::Values(
        ListCase{"Window", RecordKind::Window, 21,
                 "Placement Width Height MinWidth MinHeight MaxWidth MaxHeight Frame Composite "
                 "HasBackColor BackColor Title Visible FullScreen MenuBarVisible CloseButton "
                 "Resizeable LiveResize MaximizeButton MinimizeButton MacProcID"},
        ListCase{"TextArea", RecordKind::TextArea, 41,
                 "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom "
                 "TabPanelIndex TabIndex TabStop Border Multiline ScrollbarHorizontal "
                 "ScrollbarVertical Styled UseFocusRing TextColor BackColor Enabled Format "
                 "Visible HelpTag AutoDeactivate HideSelection TextFont Bold Italic Underline "
                 "Text Mask ReadOnly LimitText AcceptTabs Alignment AutomaticallyCheckSpelling "
                 "DataSource DataField InitialParent"},
        ListCase{"PushButton", RecordKind::PushButton, 26,
                 "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom "
                 "TabPanelIndex TabIndex TabStop Caption Default Cancel Enabled Visible HelpTag "
                 "AutoDeactivate ButtonStyle TextFont Bold Italic Underline InitialParent"},
        ListCase{"Label", RecordKind::Label, 30,
                 "TabStop Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom "
                 "TabPanelIndex TabIndex Text TextAlign TextColor Multiline Enabled Visible "
                 "Selectable Transparent HelpTag AutoDeactivate TextFont Bold Italic Underline "
                 "DataSource DataField InitialParent"},
        ListCase{"ProgressBar", RecordKind::ProgressBar, 20,
                 "TabStop TabIndex Name Index Left Top Width Height LockLeft LockTop LockRight "
                 "LockBottom TabPanelIndex Visible HelpTag AutoDeactivate Enabled Value Maximum "
                 "InitialParent"},
        ListCase{"HTTPSocket", RecordKind::HTTPSocket, 3, "Address Port yield"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutRecord, BuilderAndIndependentEncoderAgree) {
    EXPECT_EQ(Hex(SocketRecord()), Hex(EncodeRecord(RecordKind::HTTPSocket)));
    EXPECT_EQ(Hex(ProgressBar1Record()),
              Hex(EncodeRecord(RecordKind::ProgressBar, {{"TabIndex", 1},
                                                         {"Name", "ProgressBar1"s},
                                                         {"Left", 20},
                                                         {"Top", 47},
                                                         {"Width", 266},
                                                         {"Height", 12}})));
}

TEST(LayoutRecord, ShortRecordReadsLikeALongOne) {
    const auto socket = fw::ReadRecord(RecordKind::HTTPSocket, SocketRecord());
    ASSERT_EQ(socket.size(), 3u);
    EXPECT_EQ(socket[0].value, fw::PropertyValue(""s));
    EXPECT_EQ(socket[1].value, fw::PropertyValue(0));
    EXPECT_EQ(socket[2].value, fw::PropertyValue(false));

    const auto bar = fw::ReadRecord(RecordKind::ProgressBar, ProgressBar1Record());
    ASSERT_EQ(bar.size(), 20u);
    EXPECT_EQ(bar[0].value, fw::PropertyValue(true));  // TabStop, the record's first byte
    EXPECT_EQ(bar[2].value, fw::PropertyValue("ProgressBar1"s));
    EXPECT_EQ(bar[3].value, fw::PropertyValue(kNotInControlArray));
    EXPECT_EQ(bar[18].value, fw::PropertyValue(100));

    const auto label = fw::ReadRecord(RecordKind::Label, LabelRecord("Zeile 1\rGr\xC3\xBC\xC3\x9F"
                                                                     "e",
                                                                     -2));
    EXPECT_EQ(label[3].value, fw::PropertyValue(-2));
    EXPECT_EQ(label[13].value, fw::PropertyValue("Zeile 1\rGr\xC3\xBC\xC3\x9F"
                                                 "e"s));
    EXPECT_EQ(label[15].value, fw::PropertyValue(RGB(0x12, 0x34, 0x56)));
}

// ---------------------------------------------------------------------------
// Records that are refused where they are built.

struct BuildCase {
    const char* name;
    std::function<std::string()> build;
    const char* mentions;
};

void PrintTo(const BuildCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordBuilder : public ::testing::TestWithParam<BuildCase> {};

TEST_P(RecordBuilder, RefusesARecordThatDoesNotMatchTheList) {
    const BuildCase& c = GetParam();
    try {
        const std::string record = c.build();
        FAIL() << "built " << Hex(record);
    } catch (const fw::RecordError& error) {
        EXPECT_NE(std::string(error.what()).find(c.mentions), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    LayoutRecord, RecordBuilder,
    ::testing::Values(
        BuildCase{"EntryLeftOut",
                  [] {
                      return BuildRecord(RecordKind::HTTPSocket, {{"Address", ""s}, {"Port", 0}});
                  },
                  "instead of 3"},
        BuildCase{"EntryAdded",
                  [] {
                      return BuildRecord(
                          RecordKind::HTTPSocket,
                          {{"Address", ""s}, {"Port", 0}, {"yield", false}, {"Name", "hp"s}});
                  },
                  "instead of 3"},
        BuildCase{"EntriesSwapped",
                  [] {
                      return BuildRecord(RecordKind::HTTPSocket,
                                         {{"Port", 0}, {"Address", ""s}, {"yield", false}});
                  },
                  "'Port'"},
        BuildCase{"NameInAnotherCase",
                  [] {
                      return BuildRecord(RecordKind::HTTPSocket,
                                         {{"Address", ""s}, {"Port", 0}, {"Yield", false}});
                  },
                  "'Yield'"},
        BuildCase{"ValueOfAnotherType",
                  [] {
                      return BuildRecord(RecordKind::HTTPSocket,
                                         {{"Address", ""s}, {"Port", "80"s}, {"yield", false}});
                  },
                  "'Port'"},
        BuildCase{"ProgressBarInPushButtonOrder",
                  [] {
                      return BuildRecord(RecordKind::ProgressBar,
                                         {
                                             {"Name", "P"s},       {"Index", kNotInControlArray},
                                             {"Left", 0},          {"Top", 0},
                                             {"Width", 1},         {"Height", 1},
                                             {"LockLeft", false},  {"LockTop", false},
                                             {"LockRight", false}, {"LockBottom", false},
                                             {"TabPanelIndex", 0}, {"TabIndex", 0},
                                             {"TabStop", true},    {"Visible", true},
                                             {"HelpTag", ""s},     {"AutoDeactivate", true},
                                             {"Enabled", true},    {"Value", 0},
                                             {"Maximum", 100},     {"InitialParent", ""s},
                                         });
                  },
                  "'Name'"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Records that are refused where they are read. Each record sits in a buffer
// whose bytes after its end would complete it: a reader that looked past the
// end would accept it.

struct ReadCase {
    const char* name;
    RecordKind kind;
    std::string bytes;
    std::string beyondEnd;
    const char* mentions;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordReader : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RecordReader, RefusesWithAnErrorNamingTheProperty) {
    const ReadCase& c = GetParam();
    const std::string buffer = c.bytes + c.beyondEnd;
    const std::string_view record(buffer.data(), c.bytes.size());
    try {
        const auto entries = fw::ReadRecord(c.kind, record);
        FAIL() << "read " << entries.size() << " entries";
    } catch (const fw::RecordError& error) {
        EXPECT_NE(std::string(error.what()).find(c.mentions), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    LayoutRecord, RecordReader,
    ::testing::Values(
        ReadCase{"UnknownName", RecordKind::HTTPSocket, "Address \0\0\0\0Host \0\0\0\0"s, "",
                 "'Host'"},
        ReadCase{"NameOfAnotherKind", RecordKind::Label, "Caption \0\0\0\x02OK"s, "", "'Caption'"},
        ReadCase{"NameInAnotherCase", RecordKind::HTTPSocket, "port \0\0\0\0"s, "", "'port'"},
        ReadCase{"StringBytesRunPastTheEnd", RecordKind::HTTPSocket,
                 "Address \0\0\0\x05"
                 "abc"s,
                 "de", "'Address'"},
        ReadCase{"StringCountCutShort", RecordKind::HTTPSocket, "Address \0\0"s, "\0\0"s,
                 "'Address'"},
        ReadCase{"StringCountBeyondAnyRecord", RecordKind::HTTPSocket,
                 "Address \xFF\xFF\xFF\xFF"
                 "abc"s,
                 "", "'Address'"},
        ReadCase{"IntegerCutShort", RecordKind::HTTPSocket, "Address \0\0\0\0Port \0\0\0"s, "\x50"s,
                 "'Port'"},
        ReadCase{"BooleanMissing", RecordKind::HTTPSocket, "Port \0\0\0\x50yield "s, "\x01"s,
                 "'yield'"},
        ReadCase{"ColorCutShort", RecordKind::Label, "TextColor \x01\x02"s, "\x03"s, "'TextColor'"},
        ReadCase{"NameWithoutBlankAtTheEnd", RecordKind::HTTPSocket, "Address \0\0\0\0Por"s,
                 "t \0\0\0\0"s, "'Por'"}),
    [](const auto& info) { return std::string(info.param.name); });

// A record that is refused changes nothing on the object it was meant for.
TEST(LayoutRecord, RefusedRecordLeavesTheControlAsItWas) {
    std::shared_ptr<fw::Label> label;
    const auto window = HostWindow::Open(
        EncodeRecord(RecordKind::Window, {{"Visible", false}}), [&](HostWindow& w) {
            label = w.New<fw::Label>();
            label->Constructor();
            w.AddControl("Caption", label);
            fw::SetProperties(*label, EncodeRecord(RecordKind::Label, {{"Text", "before"s}}));
        });
    const std::string bad =
        "Text \0\0\0\x05"
        "afterBold \x01"s +
        "Caption \0\0\0\0"s;
    EXPECT_THROW(fw::SetProperties(*label, bad), fw::RecordError);
    EXPECT_EQ(label->Text(), "before");
    EXPECT_EQ(qobject_cast<QLabel*>(label->Widget())->text(), "before");
    EXPECT_FALSE(qobject_cast<QLabel*>(label->Widget())->font().bold());

    const std::string badWindow = "Title \0\0\0\x03NewWidth \0\0\0"s;
    EXPECT_THROW(fw::SetProperties(*window, badWindow), fw::RecordError);
    EXPECT_EQ(window->Title(), "Host");
    window->Close();
}

}  // namespace
