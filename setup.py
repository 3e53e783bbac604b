"""The Python package zefnaro, built by CMake as pybind11's cmake_example builds its
module: setuptools asks CMake for the module alone (no windows, no command line)
and puts it beside the package's Python files, its type hints and its font."""
import os
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).parent.resolve()
# The project's one version, from its CMake project line.
VERSION = re.search(r"project\(Zefnaro VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text()).group(1)
NOTO = pathlib.Path("/usr/share/fonts/truetype/noto/NotoSansCoptic-Regular.ttf")


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        target = pathlib.Path(self.get_ext_fullpath(ext.name)).resolve()
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                        "-DZEFNARO_GUI=OFF", "-DZEFNARO_CLI=OFF", "-DZEFNARO_TESTS=OFF",
                        "-DZEFNARO_BENCH=OFF", "-DZEFNARO_PYTHON=ON",
                        f"-DPython_EXECUTABLE={sys.executable}"], check=True)
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL") or str(os.cpu_count() or 1)
        subprocess.run(["cmake", "--build", str(build), "--target", "zefnaro_python", "-j", jobs], check=True)
        built = build / "python" / "zefnaro"
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(next(built.glob("_zefnaro*.so")), target)
        # The font the Coptic is drawn with, made from Noto Sans Coptic as the
        # windows' is, with its licence.
        fonts = target.parent / "fonts"
        fonts.mkdir(exist_ok=True)
        subprocess.run([sys.executable, str(ROOT / "font" / "make_font.py"), str(NOTO),
                        str(fonts / "ZefnaroCoptic-Regular.ttf")], check=True)
        shutil.copy2(ROOT / "font" / "OFL.txt", fonts / "OFL.txt")


setup(
    version=VERSION,
    packages=["zefnaro"],
    package_dir={"zefnaro": "python"},
    package_data={"zefnaro": ["_zefnaro.pyi", "py.typed"]},
    ext_modules=[CMakeExtension("zefnaro._zefnaro")],
    cmdclass={"build_ext": CMakeBuild},
    zip_safe=False,
)
