#pragma once

namespace venkar {

// Told by the tables when the user changed them. The document state marks
// the document modified, drops the results and tells the windows.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void systemChanged() = 0;
    virtual void loadChanged() = 0;
};

} // namespace venkar
