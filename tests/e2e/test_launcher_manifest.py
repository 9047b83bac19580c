"""The launcher asks for administrator rights in its manifest (Wine does not
enforce it, so it is checked in the program file itself)."""
import re

import pytest

from support.pe_resources import RT_MANIFEST, resource


@pytest.mark.parametrize("tree", ["win32", "win64"])
def test_manifest_requires_administrator(bin_dir, tree):
    launcher = bin_dir.parents[1] / tree / "bin" / "TAVRENLaunch.exe"
    manifest = resource(launcher, RT_MANIFEST, 1)
    assert manifest is not None, "no manifest resource 1"
    levels = re.findall(rb'<requestedExecutionLevel\s+level="([^"]+)"', manifest)
    assert levels == [b"requireAdministrator"]
