#pragma once

namespace zyt {

struct Platform;

// The wait pointer over the window whose command is working.
class WaitPointer {
public:
    virtual ~WaitPointer() = default;
    // In pairs, which may nest: the pointer shows from the first begin to
    // the last end.
    virtual void begin() = 0;
    virtual void end() = 0;
};

// Shows the wait pointer for as long as it lives; nothing without the
// service.
class WaitPointerShown {
public:
    explicit WaitPointerShown(const Platform &platform);
    ~WaitPointerShown();
    WaitPointerShown(const WaitPointerShown &) = delete;
    WaitPointerShown &operator=(const WaitPointerShown &) = delete;

private:
    WaitPointer *wait_;
};

} // namespace zyt
