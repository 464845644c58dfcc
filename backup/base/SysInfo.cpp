#include "backup/base/SysInfo.h"

#include "backup/base/TextFormat.h"
#include "platform/system.h"

namespace {

constexpr WORD kArchitectureIntel = platform::PROCESSOR_ARCHITECTURE_INTEL;
constexpr WORD kArchitectureIa64 = platform::PROCESSOR_ARCHITECTURE_IA64;
constexpr WORD kArchitectureAmd64 = platform::PROCESSOR_ARCHITECTURE_AMD64;

int ClassOfVersion(const OSVERSIONINFOA& version, WORD architecture)
{
    const auto byProcessor = [architecture](int other, int amd64, int ia64) {
        return architecture == kArchitectureAmd64 ? amd64 : architecture == kArchitectureIa64 ? ia64 : other;
    };
    if (version.dwPlatformId == 1) {
        if (version.dwMajorVersion != 4) {
            return -1;
        }
        return version.dwMinorVersion == 0 ? 1 : version.dwMinorVersion == 10 ? 2 : 3;
    }
    if (version.dwPlatformId == 2) {
        if (version.dwMajorVersion <= 4) {
            return 0;
        }
        if (version.dwMajorVersion == 5) {
            return version.dwMinorVersion == 0 ? 4 : byProcessor(5, 6, 7);
        }
        return byProcessor(8, 9, 10);
    }
    return -1;
}

std::u16string EditionOfProduct(DWORD code)
{
    switch (code) {
    case 1:
        return u"Ultimate Edition";
    case 2:
        return u"Home Basic Edition";
    case 3:
        return u"Home Premium Edition";
    case 4:
    case 10:
        return u"Enterprise Edition";
    case 6:
        return u"Business Edition";
    case 7:
        return u"Standard Edition";
    case 8:
        return u"Datacenter Edition";
    case 9:
        return u"Small Business Server";
    case 11:
        return u"Starter Edition";
    case 12:
        return u"Datacenter Edition (core installation)";
    case 13:
        return u"Standard Edition (core installation)";
    case 14:
        return u"Enterprise Edition (core installation)";
    case 15:
        return u"Enterprise Edition for Itanium-based Systems";
    case 17:
        return u"Web Server Edition";
    case 18:
        return u"Cluster Server Edition";
    case 48:
        return u"Professional";
    default:
        return {};
    }
}

std::u16string VistaFamilyName(const OSVERSIONINFOEXW& version)
{
    const bool workstation = version.wProductType == VER_NT_WORKSTATION;
    switch (version.dwMinorVersion) {
    case 0:
        return workstation ? u"Windows Vista " : u"Windows Server 2008 ";
    case 1:
        return workstation ? u"Windows 7 " : u"Windows Server 2008 R2 ";
    case 2:
        return workstation ? u"Windows 8 " : u"Windows Server 2012 ";
    case 3:
        return workstation ? u"Windows 8.1 " : u"";
    default:
        return {};
    }
}

std::u16string ServerEditionOf(WORD suite, std::u16string_view datacenter, std::u16string_view enterprise,
                               std::u16string_view other)
{
    if ((suite & VER_SUITE_DATACENTER) != 0) {
        return std::u16string(datacenter);
    }
    return std::u16string((suite & VER_SUITE_ENTERPRISE) != 0 ? enterprise : other);
}

std::u16string Windows2003FamilyName(const OSVERSIONINFOEXW& version, WORD architecture)
{
    if (version.wProductType == VER_NT_WORKSTATION) {
        return {};
    }
    if (architecture == kArchitectureIa64) {
        return ServerEditionOf(version.wSuiteMask, u"Datacenter Edition for Itanium-based Systems",
                               u"Enterprise Edition for Itanium-based Systems", u"");
    }
    if (architecture == kArchitectureAmd64) {
        return ServerEditionOf(version.wSuiteMask, u"Datacenter x64 Edition", u"Enterprise x64 Edition",
                               u"Standard x64 Edition");
    }
    return {};
}

std::u16string Windows2000Name(const OSVERSIONINFOEXW& version)
{
    if (version.wProductType == VER_NT_WORKSTATION) {
        return u"Windows 2000 Professional";
    }
    return u"Windows 2000 " + ServerEditionOf(version.wSuiteMask, u"Datacenter Server", u"Advanced Server", u"Server");
}

}  // namespace

WORD NativeProcessorArchitecture()
{
    // Not kept between calls: it never changes on one machine, and tests start machines of both
    // kinds in one process.
    SYSTEM_INFO info;
    GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture;
}

bool Is64BitWindows()
{
    const WORD architecture = NativeProcessorArchitecture();
    return architecture == kArchitectureIa64 || architecture == kArchitectureAmd64;
}

int ProcessorKind()
{
    switch (NativeProcessorArchitecture()) {
    case kArchitectureAmd64:
        return 1;
    case kArchitectureIa64:
        return 2;
    default:
        return 0;
    }
}

int OsClass()
{
    static const int osClass = [] {
        OSVERSIONINFOA version;
        version.dwOSVersionInfoSize = sizeof version;
        if (!GetVersionExA(&version)) {
            return -1;
        }
        return ClassOfVersion(version, NativeProcessorArchitecture());
    }();
    return osClass;
}

bool IsNtFamily()
{
    const int osClass = OsClass();
    return osClass == 0 || (osClass >= 4 && osClass <= 10);
}

std::u16string DescribeOperatingSystem()
{
    SYSTEM_INFO processor;
    GetNativeSystemInfo(&processor);
    OSVERSIONINFOEXW version;
    version.dwOSVersionInfoSize = sizeof version;
    if (RtlGetVersion(&version) != 0) {
        return {};
    }
    const WORD architecture = processor.wProcessorArchitecture;
    std::u16string text = u"Microsoft ";
    const DWORD major = version.dwMajorVersion;
    const DWORD minor = version.dwMinorVersion;
    if (major < 10) {
        if (major == 6) {
            text += VistaFamilyName(version);
            DWORD product = 0;
            GetProductInfo(major, minor, 0, 0, &product);
            text += EditionOfProduct(product);
        } else if (major == 5 && minor == 2) {
            text += Windows2003FamilyName(version, architecture);
        } else if (major == 5 && minor == 1) {
            text += u"Windows XP ";
            text += (version.wSuiteMask & VER_SUITE_PERSONAL) != 0 ? u"Home Edition" : u"Professional";
        }
    } else if (version.wProductType == VER_NT_WORKSTATION) {
        text += u"Windows " + DecimalText(major) + u"." + DecimalText(minor);
    } else {
        text += u"Windows Server";
    }
    if (major == 5 && minor == 0) {
        text += Windows2000Name(version);
    }
    text += u" ";
    text += std::u16string(version.szCSDVersion);
    if (major >= 6) {
        if (architecture == kArchitectureAmd64) {
            text += u", 64-bit";
        } else if (architecture == kArchitectureIntel) {
            text += u", 32-bit";
        }
    }
    text += u", Build " + DecimalText(version.dwBuildNumber);
    return text;
}
