#include "prefs/prefModule.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/base/Exceptions.h"
#include "platform/base/FolderItem.h"
#include "platform/base/SpecialFolder.h"
#include "platform/base/Text.h"
#include "platform/base/TextInputStream.h"
#include "platform/base/TextOutputStream.h"

namespace prefModule {

std::shared_ptr<DirectiveList> gDirectives;
int Window1Top = 0;
int Window1Left = 0;

namespace {

WindowPositionSource positionSource;

constexpr const char* kFileName = "tessarook.txt";

}  // namespace

void SetWindowPositionSource(WindowPositionSource source) {
    positionSource = std::move(source);
}

bool extractDirectives(const fw::FolderItem* f) {
    if (f == nullptr) {
        return false;
    }
    std::unique_ptr<fw::TextInputStream> t = f->OpenAsTextFile();
    if (!t) {
        return false;
    }
    if (!gDirectives) {
        throw fw::NilObjectException();
    }
    while (!t->Eof()) {
        const std::string line = t->ReadLine();
        const std::string first = fw::Mid(line, 1, 1);
        if (first != "#" && first != "'") {
            break;
        }
        if (first == "'") {
            continue;
        }
        const int p = fw::InStr(line, " ");
        if (p == 0) {
            continue;
        }
        auto directive = std::make_shared<directiveClass>();
        directive->name = fw::Lowercase(fw::Mid(line, 2, p - 2));
        directive->text = fw::Mid(line, p + 1);
        gDirectives->Append(std::move(directive));
    }
    t->Close();
    return true;
}

void loadPrefs() {
    const std::unique_ptr<fw::FolderItem> folder = fw::SpecialFolder::Preferences();
    const std::unique_ptr<fw::FolderItem> f = folder ? folder->Child(kFileName) : nullptr;
    if (!extractDirectives(f.get())) {
        Window1Top = 70;
        Window1Left = 10;
        return;
    }
    for (int i = 1; i <= gDirectives->Ubound(); ++i) {
        const std::shared_ptr<directiveClass>& directive = (*gDirectives)(i);
        if (directive && fw::StrEqual(directive->name, "Window1Position")) {
            Window1Top = fw::ToInteger(fw::Val(fw::NthField(directive->text, ",", 1)));
            Window1Left = fw::ToInteger(fw::Val(fw::NthField(directive->text, ",", 2)));
        }
    }
}

void savePrefs() {
    if (!positionSource) {
        return;
    }
    const std::unique_ptr<fw::FolderItem> folder = fw::SpecialFolder::Preferences();
    if (!folder) {
        return;
    }
    const std::unique_ptr<fw::FolderItem> f = folder->Child(kFileName);
    if (!f) {
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder->Path(), ec);
    // The stream replaces the file when it is released at the end of this function.
    const std::unique_ptr<fw::TextOutputStream> t = f->CreateTextFile();
    if (!t) {
        return;
    }
    const auto [top, left] = positionSource();
    t->WriteLine("#Window1Position " + fw::Str(top) + fw::Chr(44) + fw::Str(left));
}

}  // namespace prefModule
