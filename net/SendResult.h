#pragma once
// What became of a send to one address: the Winsock code it ended with (0
// when the packet went) or, for an address that no send was due to, "not
// sent to".
#include <string>

class SendResult {
public:
    SendResult() = default;  // not sent to
    explicit SendResult(int wsaCode) : m_code(wsaCode) {}

    bool Tried() const { return m_code != kNotSentTo; }
    bool Sent() const { return m_code == 0; }
    bool operator==(const SendResult& other) const { return m_code == other.m_code; }
    // "10049 The requested address is not valid in its context." where the
    // system has a text for the code, else the number alone.
    std::wstring FailureText() const;

private:
    static constexpr int kNotSentTo = -1;
    int m_code = kNotSentTo;
};
