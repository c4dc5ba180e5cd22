// Reading a URL, or the local file a text names, into memory stops at the limit it is given: more
// is a failure that leaves the memory file empty, never a part of the content.
#include <gtest/gtest.h>

#include <string>

#include "network_peers.h"
#include "url_transfer.h"

namespace {

using qbktest::net::NetworkPeers;

TEST(UrlTransferWin, ContentPastTheLimitIsAFailureThatLeavesNothing)
{
    NetworkPeers peers;
    ASSERT_TRUE(peers.Running()) << "the network peers are not running (cmake/peers.sh)";
    const std::string content(100000, 'u');  // more than one read block
    const std::string path = peers.Folder("www") + "limited.txt";
    ASSERT_TRUE(NetworkPeers::WriteAll(path, content));
    const std::string url = "http://127.0.0.1:" + std::to_string(peers.Port("http")) + "/limited.txt";

    for (const std::string& source : {url, path}) {
        for (const uint64_t limit : {uint64_t(content.size()), uint64_t(content.size() - 1), uint64_t(10)}) {
            CMemFile file;
            file.Write("old", 3);
            const bool whole = limit >= content.size();
            EXPECT_EQ(ReadUrlToMemory(source.c_str(), &file, limit), whole) << source << " " << limit;
            EXPECT_EQ(file.GetLength(), whole ? content.size() : 0u) << source << " " << limit;
        }
    }
}

}  // namespace
