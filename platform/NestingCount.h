#pragma once
// How deep a recursive reader has gone. Each place that goes one level deeper holds its levels in a Hold,
// which gives them back when it goes; a reader refuses its text once a Hold reports the limit passed.
namespace platform {

class NestingCount {
public:
    explicit NestingCount(int limit) : m_limit(limit) {}

    class Hold {
    public:
        explicit Hold(NestingCount& count) : m_count(count) {}
        ~Hold() { m_count.m_depth -= m_levels; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        // One level deeper; false once past the limit.
        [[nodiscard]] bool deeper()
        {
            ++m_levels;
            return ++m_count.m_depth <= m_count.m_limit;
        }

    private:
        NestingCount& m_count;
        int m_levels = 0;
    };

private:
    int m_depth = 0;
    int m_limit;
};

} // namespace platform
