// Standard output of the command-line companion: what a command prints is held and written at
// each flush, and the first write that fails keeps the system's reason. A failed flush throws,
// so a command that flushes its report before it saves stops there and writes no file.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

class CStandardOutput : public std::streambuf {
public:
    // Becomes stream's buffer, writing to the descriptor fd, until destroyed.
    CStandardOutput(std::ostream& stream, int fd);
    ~CStandardOutput() override;
    CStandardOutput(const CStandardOutput&) = delete;
    CStandardOutput& operator=(const CStandardOutput&) = delete;

    // Writes what is held without throwing; false once any write has failed.
    bool Flush() { return sync() == 0; }
    // 0, or the errno value of the write that failed.
    int GetError() const { return m_error; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize n) override;
    int sync() override;

private:
    std::ostream& m_stream;
    std::streambuf* m_previous;
    std::ios_base::iostate m_previousExceptions;
    int m_fd;
    std::string m_held;
    int m_error = 0;
};
