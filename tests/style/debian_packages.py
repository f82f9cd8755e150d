# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Debian source package agrees with the project: the "build" lines of
scripts/packages.list are exactly what debian/control's Build-Depends, Depends and
Recommends name (less what every Debian build machine has), what it names for the tests
alone (marked <!nocheck>) are "test" lines, packages.list has debhelper, and
debian/changelog's newest entry carries the version of project() (before the Debian
revision).
Usage: debian_packages.py <source folder> <project version>"""

import re
import sys

# Installed on every Debian build machine (build-essential), so never a Build-Depends.
BUILD_ESSENTIAL = {"g++", "make", "dpkg-dev"}


def main(source, project_version):
    with open(f"{source}/scripts/packages.list", encoding="utf-8") as lines:
        listed = [line.split()[:2] for line in lines if line.strip() and not line.startswith("#")]
    with open(f"{source}/debian/control", encoding="utf-8") as control:
        text = "".join(line for line in control if not line.startswith("#"))
    # Package names of the relation fields, without versions, alternatives or ${...}.
    fields = re.findall(r"^(?:Build-Depends|Depends|Recommends):((?:.*\n)(?:[ \t].*\n)*)", text, re.MULTILINE)
    relations = [alternative.strip() for value in fields for alternative in re.split(r"[,|]", value)]
    relations = [relation for relation in relations if relation and not relation.startswith(("${", "debhelper"))]
    for_tests = {relation.split()[0] for relation in relations if "<!nocheck>" in relation}
    named = {re.split(r"[\s(<]", relation)[0] for relation in relations} - for_tests
    build = {package for kind, package in listed if kind == "build"}
    test = {package for kind, package in listed if kind == "test"}
    with open(f"{source}/debian/changelog", encoding="utf-8") as changelog:
        version = re.match(r"\S+ \(([^)-]+)", changelog.readline()).group(1)

    faults = [f"{name}: in debian/control, not a \"build\" line of packages.list"
              for name in sorted(named - build)]
    faults += [f"{name}: a \"build\" line of packages.list that debian/control leaves out"
               for name in sorted(build - named - BUILD_ESSENTIAL)]
    faults += [f"{name}: marked <!nocheck> in debian/control, not a \"test\" line of packages.list"
               for name in sorted(for_tests - test)]
    if "debhelper" not in {package for _, package in listed}:
        faults.append("debhelper: debian/control builds with it, packages.list does not list it")
    if version != project_version:
        faults.append(f"debian/changelog is at {version}, project() at {project_version}")
    print("\n".join(faults) or "debian/control, debian/changelog and packages.list agree")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
