#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace venkar {

// Writes JSON text with commas and indentation handled. Numbers keep full
// precision ("%.17g"); a number that is not finite becomes null, since JSON
// has no nan or infinity.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next value inside an object.
    void key(std::string_view name);
    void value(double number);
    void value(int number);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(bool flag);
    void null();

    template <class T> void field(std::string_view name, T v) {
        key(name);
        value(v);
    }

    // The text written so far, with a final line end once the outermost
    // value is closed.
    const std::string& text() const { return out_; }

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);
    void newLine();
    void writeString(std::string_view text);

    std::string out_;
    std::vector<bool> hasItems_; // one entry per open object or array
    bool afterKey_ = false;
};

} // namespace venkar
