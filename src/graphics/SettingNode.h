#pragma once

#include "graphics/Colour.h"

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace venkar {

enum class SettingKind { ColourSetting = 1, RealSetting = 2, GroupSetting = 3, TextSetting = 4 };

// One entry of the settings tree: a group with children, or a value bound to
// a variable it does not own. A value node records the variable's content
// when it is created as its default. Nodes own their children.
//
// A node's file key is the concatenation of the labels from the root down
// to it, without separators.
class SettingNode {
public:
    // A group; the root of a tree is one.
    explicit SettingNode(std::string label);
    SettingNode(const SettingNode&) = delete;
    SettingNode& operator=(const SettingNode&) = delete;

    // Appends a child and returns it. `target` must outlive the node.
    SettingNode& addGroup(std::string label);
    SettingNode& addColour(std::string label, Colour& target);
    SettingNode& addReal(std::string label, double& target);
    SettingNode& addText(std::string label, std::string& target);

    const std::string& label() const { return label_; }
    SettingKind kind() const { return kind_; }
    const std::vector<std::unique_ptr<SettingNode>>& children() const { return children_; }

    // The absolute index of the node's item in the configuration dialog's
    // tree view; -1 until the view has been filled.
    int treeIndex() const { return treeIndex_; }
    void setTreeIndex(int index) { treeIndex_ = index; }
    // Numbers the node and its descendants depth first (a node before its
    // children), starting at `first`, as a tree view counts its items;
    // returns the next free number.
    int assignTreeIndices(int first);

    // Current value and default of the bound variable; each for its own kind
    // only (throws std::logic_error otherwise).
    Colour colour() const;
    double real() const;
    const std::string& text() const;
    void setColour(Colour value);
    void setReal(double value);
    void setText(std::string value);
    Colour defaultColour() const;
    double defaultReal() const;
    const std::string& defaultText() const;

    // True for a value node whose variable differs from its default (colour
    // as integer, real exactly, text as text); false for a group.
    bool isChanged() const;

    // Sets this node's variable and those of all descendants to their
    // defaults.
    void resetAll();

    // Depth first, the node itself first: the node with the tree index, or
    // null.
    SettingNode* findByTreeIndex(int index);

    // Depth first: the node whose key (prefix + labels down to it) equals
    // `key` exactly, or null. Called on the root with an empty prefix.
    SettingNode* findByPath(std::string_view key, const std::string& prefix = {});

    // Appends one configuration line for this node when it is a changed value
    // node, then those of its descendants, depth first: "%s = %ld" (colour),
    // "%s = %lf" (real), "%s = %s" (text), each with a line end.
    void writeChanged(std::string& out, const std::string& prefix = {}) const;

    // Sets the variable from the text of a configuration line: a colour as a
    // decimal integer (leading blanks and a sign allowed, then the leading
    // digits; 0 without any), a real as the longest leading decimal number
    // with "." as separator (0 without one), a text as it stands. A group
    // ignores it.
    void setFromText(std::string_view text);

private:
    using Target = std::variant<std::monostate, Colour*, double*, std::string*>;

    SettingNode(std::string label, SettingKind kind, Target target);
    SettingNode& add(std::unique_ptr<SettingNode> child);

    std::vector<std::unique_ptr<SettingNode>> children_;
    int treeIndex_ = -1;
    std::string label_;
    SettingKind kind_;
    Target target_;
    double defaultReal_ = 0.0;
    Colour defaultColour_ = 0;
    std::string defaultText_;
};

// Reads the longest leading part of `text` that forms a decimal floating
// point number, after leading blanks, always with "." as separator; 0 when
// there is none.
double leadingReal(std::string_view text);

} // namespace venkar
