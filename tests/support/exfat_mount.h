// A real exFAT file system, mounted through FUSE from an image on a loop device, as a
// photo stick is: no no-replace rename, no hard links, names matched regardless of case
// and a file number of its own for every spelling. Making one needs the superuser,
// /dev/fuse, a free loop device and the exfatprogs and exfat-fuse packages; where any is
// missing, skipReason() says which, and the tests that need it skip.
#pragma once

#include "support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace testsupport {

class ExfatMount {
public:
    ExfatMount()
    {
        if (::geteuid() != 0) {
            m_skipReason = "mounting an exFAT image needs the superuser";
            return;
        }
        if (::access("/dev/fuse", R_OK | W_OK) != 0) {
            m_skipReason = "no /dev/fuse here";
            return;
        }
        for (const char *tool : {"mkfs.exfat", "mount.exfat-fuse", "losetup", "umount"}) {
            if (!found(tool)) {
                m_skipReason = std::string(tool) + " is missing (scripts/setup test installs exfatprogs and exfat-fuse)";
                return;
            }
        }
        const std::filesystem::path image = m_temp.path() / "stick.img";
        m_path = m_temp.path() / "mnt";
        std::error_code error;
        std::filesystem::create_directory(m_path, error);
        if (std::FILE *file = std::fopen(image.c_str(), "wb"))
            std::fclose(file);
        std::filesystem::resize_file(image, 8 << 20, error);
        if (error || !run("mkfs.exfat " + image.string() + " >/dev/null 2>&1")) {
            m_skipReason = "mkfs.exfat could not make an image";
            return;
        }
        m_device = output("losetup -f --show " + image.string() + " 2>/dev/null");
        if (m_device.empty()) {
            m_skipReason = "no free loop device (losetup -f)";
            return;
        }
        if (!run("mount.exfat-fuse " + m_device + ' ' + m_path.string() + " >/dev/null 2>&1")) {
            m_skipReason = "mount.exfat-fuse could not mount the image";
            return;
        }
        m_mounted = true;
    }

    ~ExfatMount()
    {
        if (m_mounted)
            run("umount " + m_path.string() + " >/dev/null 2>&1");
        if (!m_device.empty())
            run("losetup -d " + m_device + " >/dev/null 2>&1");
    }

    ExfatMount(const ExfatMount &) = delete;
    ExfatMount &operator=(const ExfatMount &) = delete;

    bool mounted() const { return m_mounted; }
    const std::string &skipReason() const { return m_skipReason; }
    const std::filesystem::path &path() const { return m_path; }

private:
    // The system folders first: a superuser's PATH need not hold them.
    static std::string withSystemPath(const std::string &command)
    {
        return "PATH=/usr/sbin:/sbin:/usr/bin:/bin:$PATH " + command;
    }

    static bool run(const std::string &command) { return std::system(withSystemPath(command).c_str()) == 0; }

    static std::string output(const std::string &command)
    {
        std::string text;
        if (std::FILE *pipe = ::popen(withSystemPath(command).c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, pipe))
                text += buffer;
            ::pclose(pipe);
        }
        while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
            text.pop_back();
        return text;
    }

    static bool found(const char *tool)
    {
        for (const char *folder : {"/usr/sbin/", "/sbin/", "/usr/bin/", "/bin/"}) {
            if (::access((std::string(folder) + tool).c_str(), X_OK) == 0)
                return true;
        }
        return false;
    }

    TempFolder m_temp;
    std::filesystem::path m_path;
    std::string m_device;
    std::string m_skipReason;
    bool m_mounted = false;
};

} // namespace testsupport
