#!/usr/bin/env python3
"""Reads the manifest a built exe carries (resource type 24, id 1) as Windows reads it: element names and namespaces
are exact, and an element Windows does not know is ignored without a word. So every element must stand at a path
Windows documents, and each setting the program relies on must be there with a value Windows accepts.
Usage: check-manifest.py EXE"""
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree

ASM_V1 = "urn:schemas-microsoft-com:asm.v1"
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"
COMPATIBILITY = "urn:schemas-microsoft-com:compatibility.v1"
SETTINGS_2005 = "http://schemas.microsoft.com/SMI/2005/WindowsSettings"
SETTINGS_2016 = "http://schemas.microsoft.com/SMI/2016/WindowsSettings"

# Each element path Microsoft's "Application manifests" page documents that the program uses, with its namespace.
# Seen on this machine: the asm.v1 names and description in Wine's manifest reader (ntdll); trustInfo as pip's and
# setuptools' launcher manifests write it; compatibility.v1 and both settings namespaces in Wine's reader; dpiAware
# in the 2005 namespace inside an asm.v3 application's windowsSettings in the manifests of Wine's own programs.
ROOT = (ASM_V1, "assembly")
APPLICATION = (ASM_V3, "application")
KNOWN = {
    (ROOT,),
    (ROOT, (ASM_V1, "assemblyIdentity")),
    (ROOT, (ASM_V1, "description")),
    (ROOT, (ASM_V3, "trustInfo")),
    (ROOT, (ASM_V3, "trustInfo"), (ASM_V3, "security")),
    (ROOT, (ASM_V3, "trustInfo"), (ASM_V3, "security"), (ASM_V3, "requestedPrivileges")),
    (ROOT, (ASM_V3, "trustInfo"), (ASM_V3, "security"), (ASM_V3, "requestedPrivileges"),
     (ASM_V3, "requestedExecutionLevel")),
    (ROOT, (COMPATIBILITY, "compatibility")),
    (ROOT, (COMPATIBILITY, "compatibility"), (COMPATIBILITY, "application")),
    (ROOT, (COMPATIBILITY, "compatibility"), (COMPATIBILITY, "application"), (COMPATIBILITY, "supportedOS")),
    (ROOT, APPLICATION),
    (ROOT, APPLICATION, (ASM_V3, "windowsSettings")),
    (ROOT, APPLICATION, (ASM_V3, "windowsSettings"), (SETTINGS_2005, "dpiAware")),
    (ROOT, APPLICATION, (ASM_V3, "windowsSettings"), (SETTINGS_2016, "dpiAwareness")),
}

# Windows 10 and 11, 8.1, 8, 7 and Vista (Microsoft's page; Vista's and 7's also in mingw-w64's winnt.h, 10's and
# 8.1's in Wine's kernelbase).
SYSTEMS = {"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
           "{e2011457-1546-43c5-a5fe-008deee3d3f0}"}


def awareness_list(text):
    return all(item.strip().lower() in ("unaware", "system", "permonitor", "permonitorv2") for item in text.split(","))


# The settings the program relies on: the element's name, and whether what it says is a value Windows accepts.
REQUIRED = {
    "requestedExecutionLevel": lambda e: e.get("level") == "asInvoker" and e.get("uiAccess") == "false",
    "supportedOS": lambda e: e.get("Id") in SYSTEMS,
    "dpiAware": lambda e: (e.text or "").strip().lower() == "true",
    "dpiAwareness": lambda e: awareness_list(e.text or ""),
}


def manifest_of(exe):
    """The data of resource 24/1 (any language), found through the PE's resource directory."""
    data = open(exe, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    directories = optional + (96 if struct.unpack_from("<H", data, optional)[0] == 0x10B else 112)
    resources_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    for section in range(sections):
        _, size, rva, _, offset = struct.unpack_from("<8sIIII", data, optional + optional_size + 40 * section)
        if rva <= resources_rva < rva + size:
            base = offset + resources_rva - rva
            break
    else:
        sys.exit(f"{exe}: no resources")

    def entry(directory, wanted):
        named, numbered = struct.unpack_from("<12xHH", data, base + directory)
        for index in range(named + numbered):
            name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * index)
            if wanted is None or name == wanted:
                return target & 0x7FFFFFFF
        sys.exit(f"{exe}: no manifest resource")

    language = entry(entry(entry(0, 24), 1), None)
    data_rva, data_size = struct.unpack_from("<II", data, base + language)
    return data[offset + data_rva - rva:offset + data_rva - rva + data_size]


def problems(manifest):
    found = []

    def walk(element, path):
        namespace, name = re.match(r"\{(.*)\}(.*)", element.tag).groups()
        path += ((namespace, name),)
        if path not in KNOWN:
            where = "/".join(n for _, n in path)
            found.append(f"<{name}> in {namespace} at {where}: no documented place (Windows ignores it unread)")
        elif name in REQUIRED:
            seen.add(name)
            if not REQUIRED[name](element):
                found.append(f"<{name}> holds no value the program relies on: {ElementTree.tostring(element).decode()}")
        for child in element:
            walk(child, path)

    seen = set()
    walk(ElementTree.fromstring(manifest), ())
    found += [f"<{name}> is not where Windows reads it" for name in REQUIRED if name not in seen]
    return found


if __name__ == "__main__":
    faults = problems(manifest_of(sys.argv[1]))
    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)
