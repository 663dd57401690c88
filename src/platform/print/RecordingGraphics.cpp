#include "platform/print/RecordingGraphics.h"

#include <sstream>

#include "platform/base/Text.h"

namespace fw {

namespace {

std::string Number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

}  // namespace

void RecordingGraphics::TextFont(const std::string& name) {
    font_ = name;
    entries_.push_back("TextFont \"" + name + "\"");
}

void RecordingGraphics::TextSize(double points) {
    size_ = points;
    entries_.push_back("TextSize " + Number(points));
}

void RecordingGraphics::ForeColor(Color color) {
    color_ = color;
    entries_.push_back("ForeColor " + Number(color.red) + " " + Number(color.green) + " " +
                       Number(color.blue));
}

void RecordingGraphics::Bold(bool bold) {
    bold_ = bold;
    entries_.emplace_back(bold ? "Bold true" : "Bold false");
}

void RecordingGraphics::DrawString(const std::string& text, double x, double y, double wrapWidth,
                                   bool condense) {
    entries_.push_back("DrawString \"" + text + "\" " + Number(x) + " " + Number(y) + " " +
                       Number(wrapWidth) + (condense ? " true" : " false"));
}

void RecordingGraphics::NextPage() {
    entries_.emplace_back("NextPage");
}

double RecordingGraphics::StringWidth(std::string_view text) const {
    return Len(text) * size_ * 3 / 5;
}

double RecordingGraphics::TextHeight() const {
    return size_ * 6 / 5;
}

double RecordingGraphics::TextAscent() const {
    return size_ * 4 / 5;
}

}  // namespace fw
