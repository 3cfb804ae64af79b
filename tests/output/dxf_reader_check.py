"""Opens exported DXF drawings with ezdxf and fails on any audit error."""

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


def main(paths):
    if not paths:
        print("usage: dxf_reader_check.py FILE.dxf ...")
        return 2
    results = [check(path) for path in paths]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
