#include "render/ordered_output.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <thread>

namespace quillot {
namespace {

// Files finishing in any order come out in the order of their index, each
// file's messages before its fields.
TEST(OrderedOutput, PassesFilesOnInTheirOrder) {
    std::ostringstream out;
    std::ostringstream err;
    OrderedOutput output(out, err);
    auto first = std::make_unique<FileOutput>(output, 0);
    auto second = std::make_unique<FileOutput>(output, 1);
    auto third = std::make_unique<FileOutput>(output, 2);
    third->Out() << "3a ";
    second->Err() << "e2 ";
    second->Out() << "2a ";
    first->Out() << "1a ";  // its turn: written at once
    EXPECT_EQ(out.str(), "1a ");
    third->Out() << "3b ";
    second->Out() << "2b ";
    third.reset();
    second.reset();
    EXPECT_EQ(out.str(), "1a ");
    first->Err() << "e1 ";
    first.reset();
    EXPECT_EQ(out.str(), "1a 2a 2b 3a 3b ");
    EXPECT_EQ(err.str(), "e1 e2 ");
    FileOutput fourth(output, 3);
    fourth.Out() << "4";
    EXPECT_EQ(out.str(), "1a 2a 2b 3a 3b 4");
}

// A file that would hold back more than its limit waits for its turn and
// then writes straight through, in order.
TEST(OrderedOutput, ALargeOutputWaitsForItsTurn) {
    std::ostringstream out;
    std::ostringstream err;
    OrderedOutput output(out, err);
    auto first = std::make_unique<FileOutput>(output, 0);
    const std::string large(OrderedOutput::kFileLimit + 100, 'x');
    std::thread later([&] {
        FileOutput second(output, 1);
        second.Out() << "2:" << large << large;
    });
    first->Out() << "1:";
    first.reset();
    later.join();
    EXPECT_TRUE(out.str() == "1:2:" + large + large);
}

TEST(OrderedOutput, NotesAFailedStandardOutput) {
    std::ostringstream out;
    std::ostringstream err;
    out.setstate(std::ios::badbit);
    OrderedOutput output(out, err);
    EXPECT_FALSE(output.OutFailed());
    {
        FileOutput file(output, 0);
        file.Out() << "x";
    }
    EXPECT_TRUE(output.OutFailed());
}

}  // namespace
}  // namespace quillot
