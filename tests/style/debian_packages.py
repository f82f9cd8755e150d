# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Debian source package agrees with the project: every package of the "build"
kind in scripts/packages.list is one that building or running the .deb needs
(debian/control's Build-Depends or Depends) and the other way round, and
debian/changelog's newest entry carries the version of project().
Usage: debian_packages.py <source folder> <project version>"""

import re
import sys

# Installed on every Debian build machine (build-essential), so never a Build-Depends.
BUILD_ESSENTIAL = {"g++", "make", "dpkg-dev"}


def listed_packages(path):
    """{package: kind} of scripts/packages.list."""
    packages = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split()
            if fields and not fields[0].startswith("#"):
                packages.setdefault(fields[1], fields[0])
    return packages


def control_field_names(path, field):
    """Package names of a relation field, in each paragraph of debian/control that has it
    (substitution variables and version relations left out)."""
    with open(path, encoding="utf-8") as control:
        text = "".join(line for line in control if not line.startswith("#"))
    names = set()
    for value in re.findall(rf"^{field}:((?:.*\n)(?:[ \t].*\n)*)", text, re.MULTILINE):
        for relation in value.split(","):
            for alternative in relation.split("|"):
                name = alternative.strip().split(" ")[0].split("(")[0]
                if name and not name.startswith("${"):
                    names.add(name)
    return names


def changelog_version(path):
    with open(path, encoding="utf-8") as changelog:
        return re.match(r"\S+ \(([^)]+)\)", changelog.readline()).group(1)


def main(source, project_version):
    listed = listed_packages(f"{source}/scripts/packages.list")
    build_depends = control_field_names(f"{source}/debian/control", "Build-Depends")
    depends = control_field_names(f"{source}/debian/control", "Depends")
    debhelper = {name for name in build_depends if name.startswith("debhelper")}
    listed_build = {name for name, kind in listed.items() if kind == "build"}

    faults = []
    for name in sorted((build_depends - debhelper) | depends):
        if listed.get(name) != "build":
            faults.append(f"{name}: in debian/control, not a \"build\" line of packages.list")
    for name in sorted(listed_build - build_depends - depends - BUILD_ESSENTIAL):
        faults.append(f"{name}: a \"build\" line of packages.list that debian/control leaves out")
    if debhelper and "debhelper" not in listed:
        faults.append("debhelper: debian/control builds with it, packages.list does not list it")
    version = changelog_version(f"{source}/debian/changelog")
    if re.sub(r"-[^-]*$", "", version) != project_version:
        faults.append(f"debian/changelog is at {version}, project() at {project_version}")
    print("\n".join(faults) or "debian/control, debian/changelog and packages.list agree")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
