import pytest
from pathlib import Path


def pytest_addoption(parser):
    parser.addoption("--lab", required=True, help="the curvix-lab executable to compare with")


@pytest.fixture
def lab(request):
    return Path(request.config.getoption("--lab")).resolve()
