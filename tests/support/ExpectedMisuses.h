// Misuse of the class library fails the test it happens in, unless the test expects it: the
// misuses reported while an ExpectedMisuses lives are the test's own, to be counted with Count().
#pragma once

namespace qelt::test {

class ExpectedMisuses {
public:
    ExpectedMisuses();
    ~ExpectedMisuses();
    ExpectedMisuses(const ExpectedMisuses&) = delete;
    ExpectedMisuses& operator=(const ExpectedMisuses&) = delete;

    // The misuses reported since this object was made.
    int Count() const;

private:
    int m_before;
};

}  // namespace qelt::test
