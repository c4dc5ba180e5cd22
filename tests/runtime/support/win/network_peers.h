// Where the tests' network peers listen (cmake/peers.sh, started as a CTest fixture) and the
// folders they keep their files in, as the Windows paths the test program sees.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace qbktest::net {

class NetworkPeers {
public:
    NetworkPeers()
    {
        const char* folder = std::getenv("ZV_PEERS");
        if (!folder) return;
        m_folder = std::string(folder) + "\\";
        std::ifstream ports(m_folder + "ports.txt");
        std::string line;
        while (std::getline(ports, line)) {
            const size_t equals = line.find('=');
            if (equals != std::string::npos) m_ports[line.substr(0, equals)] = std::atoi(line.c_str() + equals + 1);
        }
    }
    bool Running() const { return m_ports.size() == 3; }
    int Port(const std::string& service) const
    {
        const auto found = m_ports.find(service);
        return found == m_ports.end() ? 0 : found->second;
    }
    // Folders: "www" (served over HTTP), "ftp" (the FTP user's), "mail" (mails received).
    std::string Folder(const std::string& name) const { return m_folder + name + "\\"; }

    // The mails received so far whose text holds marker.
    std::vector<std::string> MailsWith(const std::string& marker) const
    {
        std::vector<std::string> found;
        WIN32_FIND_DATAA entry;
        const HANDLE scan = FindFirstFileA((Folder("mail") + "*.eml").c_str(), &entry);
        if (scan == INVALID_HANDLE_VALUE) return found;
        do {
            const std::string text = ReadAll(Folder("mail") + entry.cFileName);
            if (text.find(marker) != std::string::npos) found.push_back(text);
        } while (FindNextFileA(scan, &entry));
        FindClose(scan);
        return found;
    }

    static std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static bool WriteAll(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
        return bool(out);
    }

private:
    std::string m_folder;
    std::map<std::string, int> m_ports;
};

}  // namespace qbktest::net
