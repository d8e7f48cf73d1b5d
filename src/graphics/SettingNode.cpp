#include "graphics/SettingNode.h"

#include "model/Error.h"
#include "model/LineReader.h"

#include <cctype>
#include <charconv>
#include <stdexcept>
#include <utility>

namespace venkar {

namespace {

// Longest real written in fixed notation (sign, 24 digits, point, 6 decimals).
constexpr std::size_t maxFixedRealLength = 32;

} // namespace

SettingNode::SettingNode(std::string label)
    : SettingNode(std::move(label), SettingKind::GroupSetting, std::monostate{}) {}

SettingNode::SettingNode(std::string label, SettingKind kind, Target target)
    : label_(std::move(label)), kind_(kind), target_(target) {
    // The default is whatever the variable holds when the node is built.
    if (Colour* const* colour = std::get_if<Colour*>(&target_))
        defaultColour_ = **colour;
    else if (double* const* real = std::get_if<double*>(&target_))
        defaultReal_ = **real;
    else if (std::string* const* text = std::get_if<std::string*>(&target_))
        defaultText_ = **text;
}

SettingNode& SettingNode::add(std::unique_ptr<SettingNode> child) {
    children_.push_back(std::move(child));
    return *children_.back();
}

SettingNode& SettingNode::addGroup(std::string label) {
    return add(std::make_unique<SettingNode>(std::move(label)));
}

SettingNode& SettingNode::addColour(std::string label, Colour& target) {
    return add(std::unique_ptr<SettingNode>(
        new SettingNode(std::move(label), SettingKind::ColourSetting, &target)));
}

SettingNode& SettingNode::addReal(std::string label, double& target) {
    return add(std::unique_ptr<SettingNode>(
        new SettingNode(std::move(label), SettingKind::RealSetting, &target)));
}

SettingNode& SettingNode::addText(std::string label, std::string& target) {
    return add(std::unique_ptr<SettingNode>(
        new SettingNode(std::move(label), SettingKind::TextSetting, &target)));
}

int SettingNode::assignTreeIndices(int first) {
    treeIndex_ = first++;
    for (const auto& child : children_)
        first = child->assignTreeIndices(first);
    return first;
}

namespace {

template <typename T>
T* targetOf(const std::variant<std::monostate, Colour*, double*, std::string*>& target) {
    T* const* bound = std::get_if<T*>(&target);
    if (!bound)
        throw std::logic_error("setting node of another kind");
    return *bound;
}

} // namespace

Colour SettingNode::colour() const {
    return *targetOf<Colour>(target_);
}
double SettingNode::real() const {
    return *targetOf<double>(target_);
}
const std::string& SettingNode::text() const {
    return *targetOf<std::string>(target_);
}
void SettingNode::setColour(Colour value) {
    *targetOf<Colour>(target_) = value;
}
void SettingNode::setReal(double value) {
    *targetOf<double>(target_) = value;
}
void SettingNode::setText(std::string value) {
    *targetOf<std::string>(target_) = std::move(value);
}

Colour SettingNode::defaultColour() const {
    targetOf<Colour>(target_);
    return defaultColour_;
}

double SettingNode::defaultReal() const {
    targetOf<double>(target_);
    return defaultReal_;
}

const std::string& SettingNode::defaultText() const {
    targetOf<std::string>(target_);
    return defaultText_;
}

bool SettingNode::isChanged() const {
    switch (kind_) {
    case SettingKind::ColourSetting:
        return colour() != defaultColour_;
    case SettingKind::RealSetting:
        return real() != defaultReal_;
    case SettingKind::TextSetting:
        return text() != defaultText_;
    case SettingKind::GroupSetting:
        break;
    }
    return false;
}

void SettingNode::resetAll() {
    switch (kind_) {
    case SettingKind::ColourSetting:
        setColour(defaultColour_);
        break;
    case SettingKind::RealSetting:
        setReal(defaultReal_);
        break;
    case SettingKind::TextSetting:
        setText(defaultText_);
        break;
    case SettingKind::GroupSetting:
        break;
    }
    for (const auto& child : children_)
        child->resetAll();
}

SettingNode* SettingNode::findByTreeIndex(int index) {
    if (treeIndex_ == index)
        return this;
    for (const auto& child : children_) {
        if (SettingNode* found = child->findByTreeIndex(index))
            return found;
    }
    return nullptr;
}

SettingNode* SettingNode::findByPath(std::string_view key, const std::string& prefix) {
    const std::string path = prefix + label_;
    if (path == key)
        return this;
    // A key can only lie below this node when it starts with its path.
    if (key.substr(0, path.size()) != path)
        return nullptr;
    for (const auto& child : children_) {
        if (SettingNode* found = child->findByPath(key, path))
            return found;
    }
    return nullptr;
}

void SettingNode::writeChanged(std::string& out, const std::string& prefix) const {
    const std::string path = prefix + label_;
    if (isChanged()) {
        switch (kind_) {
        case SettingKind::ColourSetting:
            appendFormat(out, "%s = %ld\n", path.c_str(), static_cast<long>(colour()));
            break;
        case SettingKind::RealSetting: {
            // "%lf" writes every integer digit: a huge value would make a
            // line the reader refuses ("Line to long"), and the settings after
            // it would be lost. Such values keep the exponent form.
            std::string number = formatText("%lf", real());
            if (number.size() > maxFixedRealLength)
                number = formatText("%.17g", real());
            appendFormat(out, "%s = %s\n", path.c_str(), number.c_str());
            break;
        }
        case SettingKind::TextSetting:
            appendFormat(out, "%s = %s\n", path.c_str(), text().c_str());
            break;
        case SettingKind::GroupSetting:
            break;
        }
    }
    for (const auto& child : children_)
        child->writeChanged(out, path);
}

void SettingNode::setFromText(std::string_view text) {
    switch (kind_) {
    case SettingKind::ColourSetting:
        setColour(static_cast<Colour>(leadingInteger(text)));
        break;
    case SettingKind::RealSetting:
        setReal(leadingReal(text));
        break;
    case SettingKind::TextSetting:
        setText(std::string(text));
        break;
    case SettingKind::GroupSetting:
        break;
    }
}

double leadingReal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    // from_chars takes a minus sign but no plus sign.
    if (i + 1 < text.size() && text[i] == '+' && text[i + 1] != '-')
        ++i;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    return value; // out of range: from_chars leaves the value untouched (0)
}

} // namespace venkar
