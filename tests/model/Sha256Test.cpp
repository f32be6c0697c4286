// SHA-256 against the published test vectors, whole and fed in uneven pieces.
#include "model/Sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string HexOf(const std::string& text)
{
    return q4::CSha256::Hex(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace

TEST(Sha256, KnownVectors)
{
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrs"
         "mnopqrstnopqrstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        // 55 and 56 bytes: the length fits after the padding byte, or needs a block of its own.
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
    };
    for (const auto& [text, digest] : cases) {
        SCOPED_TRACE(text.size());
        EXPECT_EQ(HexOf(text), digest);
        // The same bytes in pieces of 1, 63 and 65 bytes.
        q4::CSha256 sha;
        size_t pos = 0;
        for (size_t piece : {size_t{1}, size_t{63}, size_t{65}}) {
            size_t take = std::min(piece, text.size() - pos);
            sha.Add(reinterpret_cast<const uint8_t*>(text.data()) + pos, take);
            pos += take;
        }
        sha.Add(reinterpret_cast<const uint8_t*>(text.data()) + pos, text.size() - pos);
        std::string hex;
        for (uint8_t b : sha.Finish()) {
            const char digits[] = "0123456789abcdef";
            hex += digits[b >> 4];
            hex += digits[b & 15];
        }
        EXPECT_EQ(hex, digest);
    }
}
