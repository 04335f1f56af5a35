import pytest
from pathlib import Path


def pytest_addoption(parser):
    parser.addoption("--lab", help="the curvix-lab executable to compare with")


@pytest.fixture
def lab(request):
    if request.config.getoption("--lab") is None:
        pytest.fail("give --lab, the curvix-lab to compare with")
    return Path(request.config.getoption("--lab")).resolve()
