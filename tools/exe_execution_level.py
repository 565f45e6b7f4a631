"""Reads the manifest embedded in a Windows program (resource type
RT_MANIFEST, name 1) and checks that it asks to run as the invoking user:
trustInfo in the asm.v3 namespace, with requestedExecutionLevel
level="asInvoker" uiAccess="false". Without that entry, Vista and later
virtualise a 32-bit program's writes under Program Files into the user's
VirtualStore. Prints the failure and exits 1 when the entry is missing.

usage: python3 tools/exe_execution_level.py PROGRAM.exe"""
import struct
import sys
import xml.etree.ElementTree as ET

RT_MANIFEST = 24
ASM_V3 = '{urn:schemas-microsoft-com:asm.v3}'


def manifest(path):
    data = open(path, 'rb').read()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    sections, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from('<H', data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)  # PE32 or PE32+
    resource_rva = struct.unpack_from('<I', data, directories + 2 * 8)[0]
    table = []
    for i in range(sections):
        _, size, rva, raw_size, raw = struct.unpack_from('<8sIIII', data, optional + optional_size + 40 * i)
        table.append((rva, max(size, raw_size), raw))

    def offset(rva):
        for start, size, raw in table:
            if start <= rva < start + size:
                return rva - start + raw
        raise ValueError('no section holds RVA %#x' % rva)

    if not resource_rva:
        return None
    root = offset(resource_rva)

    def entry(directory, wanted):
        """The entry of a resource directory with the ID wanted (None: the first)."""
        named, numbered = struct.unpack_from('<12xHH', data, directory)
        for i in range(named + numbered):
            ident, target = struct.unpack_from('<II', data, directory + 16 + 8 * i)
            if wanted is None or (not ident & 0x80000000 and ident == wanted):
                return target
        return None

    level = root
    for wanted in (RT_MANIFEST, 1):
        target = entry(level, wanted)
        if target is None or not target & 0x80000000:
            return None
        level = root + (target & 0x7FFFFFFF)
    leaf = entry(level, None)  # any language
    if leaf is None:
        return None
    data_rva, size = struct.unpack_from('<II', data, root + leaf)
    start = offset(data_rva)
    return data[start:start + size]


def main(path):
    text = manifest(path)
    if text is None:
        print('no RT_MANIFEST 1 resource')
        return 1
    try:
        assembly = ET.fromstring(text)
    except ET.ParseError as error:
        print('the manifest does not parse: %s' % error)
        return 1
    path_to_level = ''.join('/' + ASM_V3 + name for name in
                            ('trustInfo', 'security', 'requestedPrivileges', 'requestedExecutionLevel'))[1:]
    levels = assembly.findall(path_to_level)
    if len(levels) != 1 or levels[0].attrib != {'level': 'asInvoker', 'uiAccess': 'false'}:
        print('the manifest lacks trustInfo (asm.v3) with requestedExecutionLevel level="asInvoker" uiAccess="false"')
        return 1
    print('manifest asks for asInvoker')
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1]))
