#!/usr/bin/env python3
"""Checks the built Windows program as a file, without running it: a GUI
executable of the expected format that Windows XP SP3 can load (a subsystem
version it knows, imports only from DLLs every Windows has and none of the
functions that XP's lack), with one icon group of three images and the
version record.

Usage: check_exe.py PROGRAM.exe PE32|PE32+
"""
import re
import struct
import subprocess
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll", "advapi32.dll",
               "shell32.dll", "ole32.dll", "oleaut32.dll", "oleacc.dll", "uxtheme.dll"}
# XP is Windows 5.1: its loader refuses a program that asks for a later one.
OLDEST_SUBSYSTEM = (5, 1)
# What the system DLLs gained after XP SP3, among what a program built with
# mingw-w64 (its C and C++ runtimes, a window's code) may call: XP's loader
# refuses a program that imports any of it. Whole families by pattern, the
# rest by name.
NOT_ON_XP_FAMILIES = {
    "kernel32.dll": [r"SRWLock", r"ConditionVariable", r"^InitOnce", r"SynchronizationBarrier", r"Threadpool",
                     r"Transacted[AW]?$", r"^K32(?!Thk)", r"LocaleName", r"PreferredUILanguages",
                     r"ProcThreadAttribute", r"^Wer", r"^Fls", r"ApplicationRe(start|covery)", r"XState",
                     r"ProcessorGroup|GroupAffinity|ProcessorCount", r"^Power(Create|Set|Clear)Request$",
                     r"Package(Id|FullName|Path)$", r"PrivateNamespace|BoundaryDescriptor", r"CycleTime$"],
    "user32.dll": [r"(?i)dpi", r"Touch", r"Gesture", r"Pointer(?!s$)", r"ClipboardFormatListener",
                   r"ShutdownBlockReason", r"PowerSettingNotification", r"SuspendResumeNotification",
                   r"DisplayConfig", r"DisplayAffinity", r"MessageFilter", r"AutoRotation",
                   r"^(Logical|Physical)To(Logical|Physical)Point"],
    "gdi32.dll": [r"^D3DKMT"],
    # The secure (_s), per-locale (_l) and unlocked variants, the explicit
    # 32-bit time functions and the 64-bit ones with 32-bit sizes all came
    # with Vista's msvcrt.dll.
    "msvcrt.dll": [r"_s$", r"_l$", r"_nolock$", r"[a-z]{2}32$", r"64i32$"],
}
NOT_ON_XP_NAMES = {
    "kernel32.dll": {
        "GetTickCount64", "GetSystemTimePreciseAsFileTime", "QueryUnbiasedInterruptTime", "InitializeCriticalSectionEx",
        "CreateEventExA", "CreateEventExW", "CreateMutexExA", "CreateMutexExW", "CreateSemaphoreExA",
        "CreateSemaphoreExW", "CreateWaitableTimerExA", "CreateWaitableTimerExW", "InterlockedCompareExchange64",
        "GetCurrentProcessorNumber", "GetCurrentProcessorNumberEx", "GetThreadId", "GetProcessIdOfThread",
        "FlushProcessWriteBuffers", "SetThreadStackGuarantee", "RaiseFailFastException", "GetErrorMode",
        "GetThreadErrorMode", "SetThreadErrorMode", "CreateRemoteThreadEx", "SetThreadDescription",
        "GetThreadDescription", "Wow64GetThreadContext", "Wow64SetThreadContext", "InitializeContext", "CopyContext",
        "GetFileInformationByHandleEx", "SetFileInformationByHandle", "GetFinalPathNameByHandleA",
        "GetFinalPathNameByHandleW", "CreateSymbolicLinkA", "CreateSymbolicLinkW", "CancelIoEx", "CancelSynchronousIo",
        "GetQueuedCompletionStatusEx", "SetFileCompletionNotificationModes", "GetOverlappedResultEx", "CreateFile2",
        "CopyFile2", "ReOpenFile", "FindFirstStreamW", "FindNextStreamW", "FindFirstFileNameW", "FindNextFileNameW",
        "GetVolumeInformationByHandleW", "SetDefaultDllDirectories", "AddDllDirectory", "RemoveDllDirectory",
        "LoadPackagedLibrary", "QueryFullProcessImageNameA", "QueryFullProcessImageNameW", "GetProductInfo",
        "GetPhysicallyInstalledSystemMemory", "GetLogicalProcessorInformationEx", "GetLargePageMinimum",
        "GetSystemFileCacheSize", "SetSystemFileCacheSize", "GetProcessWorkingSetSizeEx", "SetProcessWorkingSetSizeEx",
        "EnumSystemFirmwareTables", "GetSystemFirmwareTable", "GetNamedPipeClientProcessId",
        "GetNamedPipeServerProcessId", "CompareStringEx", "CompareStringOrdinal", "LCMapStringEx", "FindNLSStringEx",
        "GetLocaleInfoEx", "GetDateFormatEx", "GetTimeFormatEx", "GetNumberFormatEx", "GetCurrencyFormatEx",
        "GetCalendarInfoEx", "EnumSystemLocalesEx", "EnumCalendarInfoExEx", "EnumDateFormatsExEx",
        "EnumTimeFormatsEx", "GetStringScripts", "GetDurationFormat", "GetDurationFormatEx", "NormalizeString",
        "IsNormalizedString", "IdnToAscii", "IdnToUnicode", "GetFileMUIInfo", "GetFileMUIPath", "GetUILanguageInfo",
        "GetThreadUILanguage", "SetThreadUILanguage", "GetDynamicTimeZoneInformation", "SetDynamicTimeZoneInformation",
        "GetTimeZoneInformationForYear", "SetProcessMitigationPolicy", "GetProcessMitigationPolicy",
        "SetProcessInformation", "GetProcessInformation", "SetThreadInformation", "GetThreadInformation",
        "PrefetchVirtualMemory", "DiscardVirtualMemory", "OfferVirtualMemory", "ReclaimVirtualMemory",
        "GetFirmwareType", "GetConsoleScreenBufferInfoEx", "SetConsoleScreenBufferInfoEx", "GetCurrentConsoleFontEx",
        "SetCurrentConsoleFontEx", "CreatePseudoConsole", "IsWow64Process2"},
    "user32.dll": {"GetUpdatedClipboardFormats", "CalculatePopupWindowPosition", "UpdateLayeredWindowIndirect",
                   "IsImmersiveProcess", "SetCoalescableTimer", "GetCurrentInputMessageSource", "GetCIMSSM",
                   "InternalGetWindowIcon"},
    "gdi32.dll": {"GetFontRealizationInfo"},
    "comctl32.dll": {"TaskDialog", "TaskDialogIndirect", "LoadIconMetric", "LoadIconWithScaleDown",
                     "ImageList_CoCreateInstance"},
    "msvcrt.dll": {
        "_fseeki64", "_ftelli64", "_initterm_e", "_configthreadlocale", "_get_current_locale", "_create_locale",
        "_free_locale", "_set_invalid_parameter_handler", "_get_invalid_parameter_handler", "_set_abort_behavior",
        "_get_errno", "_set_errno", "_get_doserrno", "_set_doserrno", "_get_fmode", "_set_fmode", "_get_pgmptr",
        "_get_wpgmptr", "_get_heap_handle", "_aligned_msize", "_recalloc", "_lock_file", "_unlock_file", "_wassert",
        "strnlen", "wcsnlen", "_printf_p", "_fprintf_p", "_byteswap_ushort", "_byteswap_ulong", "_byteswap_uint64"},
}
# Per-monitor DPI awareness on every Windows that has it: 10 from 1703,
# 10 before it, 8.1.
MANIFEST_DPI = [r"<dpiAware [^>]*>true/pm</dpiAware>", r"<dpiAwareness [^>]*>PerMonitorV2, PerMonitor</dpiAwareness>"]
ICONS = ["--width=16 --height=16 --bit-depth=4", "--width=32 --height=32 --bit-depth=1",
         "--width=32 --height=32 --bit-depth=4"]
STRINGS = {"FileVersion": "1.00", "ProductVersion": "1.00", "ProductName": "Tenglama",
           "OriginalFilename": "tenglama.exe", "FileDescription": None, "InternalName": None, "CompanyName": None}


def run(*command, text=True):
    return subprocess.run(command, check=True, capture_output=True, text=text).stdout


def version_block(data, offset=0):
    """One VS_VERSIONINFO block: (key, value, {child key: child block}, length)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = (key_end + 5) & ~3
    value_end = value_start + (value_length * 2 if is_text else value_length)
    value = data[value_start:value_end]
    if is_text:
        value = value.decode("utf-16-le").rstrip("\0")
    children, child = {}, (value_end + 3) & ~3
    while child < offset + length:
        block = version_block(data, child)
        if block[3] == 0:
            raise ValueError("malformed version record")
        children[block[0]] = block
        child = (child + block[3] + 3) & ~3
    return key, value, children, length


def imports(headers):
    """{DLL name in lower case: [function names]} from objdump's import tables."""
    found = {}
    for table in re.split(r"^\s*DLL Name: ", headers, flags=re.M)[1:]:
        dll, rows = table.split("\n", 1)
        names = re.findall(r"^\s+[0-9a-f]+\s+\d+\s+(\S+)", rows.split("\n\n", 1)[0], re.M)
        found.setdefault(dll.strip().lower(), []).extend(names)
    return found


def problems(path, pe_format):
    headers = run("objdump", "-p", path)
    if f"({pe_format})" not in re.findall(r"^Magic\s+\S+\s+(\(.*\))", headers, re.M):
        yield f"not {pe_format}"
    if "(Windows GUI)" not in headers:
        yield "not a Windows GUI program"
    subsystem = tuple(int(re.search(rf"^{part}SubsystemVersion\s+(\d+)", headers, re.M)[1])
                      for part in ("Major", "Minor"))
    if subsystem > OLDEST_SUBSYSTEM:
        yield f"subsystem version {subsystem}, later than Windows XP's {OLDEST_SUBSYSTEM}"
    imported = imports(headers)
    if not imported:
        yield "no import table found"
    foreign = [dll for dll in imported if dll not in SYSTEM_DLLS]
    if foreign:
        yield f"imports DLLs that Windows does not have: {foreign}"
    for dll, names in imported.items():
        newer = [name for name in names if name in NOT_ON_XP_NAMES.get(dll, set())
                 or any(re.search(family, name) for family in NOT_ON_XP_FAMILIES.get(dll, []))]
        if newer:
            yield f"imports from {dll} what Windows XP lacks: {newer}"

    icons = run("sh", "-c", f"wrestool -x --type=14 '{path}' | icotool -l -")
    shapes = sorted(re.sub(r".*?(--width=\S+ --height=\S+ --bit-depth=\S+).*", r"\1", line)
                    for line in icons.splitlines())
    if shapes != ICONS:
        yield f"icon group {shapes}, expected {ICONS}"

    manifest = run("wrestool", "-x", "--raw", "--type=24", path)
    for setting in MANIFEST_DPI:
        if not re.search(setting, manifest):
            yield f"manifest lacks {setting}"

    record = run("wrestool", "-x", "--raw", "--type=16", path, text=False)
    if not record:
        yield "no version record"
        return
    _, fixed, blocks, _ = version_block(record)
    signature, _, *numbers = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD or numbers != [0x10000, 0, 0x10000, 0]:
        yield "fixed version is not file and product 1.0.0.0"
    table = blocks.get("StringFileInfo", (0, 0, {}))[2].get("040904B0", (0, 0, {}))[2]
    for key, expected in STRINGS.items():
        found = table.get(key, (0, ""))[1]
        if found != expected if expected else not found:
            yield f"{key} is {found!r}, expected {expected or 'a name'!r}"
    translation = blocks.get("VarFileInfo", (0, 0, {}))[2].get("Translation", (0, b""))[1]
    if translation[:4] != struct.pack("<HH", 0x0409, 1200):
        yield f"translation {translation.hex()}, expected 0409 / 1200"


def main():
    path, pe_format = sys.argv[1:3]
    found = list(problems(path, pe_format))
    for problem in found:
        print(f"{path}: {problem}")
    print(f"{path}: {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
