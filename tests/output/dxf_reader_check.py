"""Opens exported DXF drawings with ezdxf and fails on any audit error. With --texts, prints
the texts of one drawing as a reader shows them, one a line in UTF-8."""

import sys

import ezdxf


def check(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    for error in auditor.errors:
        print(f"{path}: {error.message}")
    entities = len(doc.modelspace())
    if entities == 0:
        print(f"{path}: no entities")
    return not auditor.has_errors and entities > 0


# The file's code page is decoded by readfile; "\U+XXXX" stands for a character outside it.
def print_texts(path):
    sys.stdout.reconfigure(encoding="utf-8")
    for text in ezdxf.readfile(path).modelspace().query("TEXT"):
        print(ezdxf.decode_dxf_unicode(text.dxf.text))
    return 0


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "--texts":
        return print_texts(arguments[1])
    if not arguments:
        print("usage: dxf_reader_check.py FILE.dxf ... | --texts FILE.dxf")
        return 2
    results = [check(path) for path in arguments]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
