#!/usr/bin/env python3
"""Reads a volume file of velmora-cli export with its tool's own reader and
compares it with the image as shown (a dump of the smoothed image).

usage: read_volume_files.py npy|nrrd|vti FILE SHOWN_IMAGE SLICE_PITCH LAYER_PITCH
exit status 0 when equal, 1 when not (the difference printed), 77 when the
reader is not installed.
"""
import shutil
import subprocess
import sys

import numpy

DEPTH_SCALES = (20, 50, 100, 200)


def expected_volume(shown_path):
    image = numpy.fromfile(shown_path, dtype=numpy.uint8)
    # layer L (1..24) begins at image byte 5120 * L, 40 traces of 128 bytes
    volume = image[5120:5120 * 25].reshape(24, 40, 128)
    depth_step = DEPTH_SCALES[image[2052] & 3] / 16
    return volume, depth_step


def read_with_vtk(kind, path):
    try:
        from vtkmodules.util.numpy_support import vtk_to_numpy
        from vtkmodules.vtkIOImage import vtkNrrdReader
        from vtkmodules.vtkIOXML import vtkXMLImageDataReader
    except ImportError:
        print("VTK's readers are not installed (python3-vtk9)")
        sys.exit(77)
    reader = vtkNrrdReader() if kind == "nrrd" else vtkXMLImageDataReader()
    reader.SetFileName(path)
    reader.Update()
    image = reader.GetOutput()
    scalars = image.GetPointData().GetScalars()
    if scalars is None or scalars.GetName() != "amplitude":
        fail(f"the point data is named {scalars.GetName() if scalars else None!r}, not 'amplitude'")
    values = vtk_to_numpy(scalars)
    nx, ny, nz = image.GetDimensions()
    # VTK keeps x fastest: depth, then slice, then layer
    return values.reshape(nz, ny, nx), tuple(image.GetSpacing()), tuple(image.GetOrigin()), values.dtype


def check_with_teem(path):
    """teem's unu reads the whole file, when teem is installed."""
    unu = shutil.which("unu") or shutil.which("teem-unu")
    if unu is None:
        return
    run = subprocess.run([unu, "minmax", path], capture_output=True, text=True)
    if run.returncode != 0:
        fail(f"unu cannot read the file: {run.stderr.strip()}")


def fail(reason):
    print(reason)
    sys.exit(1)


def main():
    kind, path, shown = sys.argv[1:4]
    pitches = (float(sys.argv[4]), float(sys.argv[5]))
    expected, depth_step = expected_volume(shown)
    if kind == "npy":
        array = numpy.load(path)
        if array.dtype != numpy.uint8 or array.shape != (24, 40, 128):
            fail(f"dtype {array.dtype}, shape {array.shape}")
        if not numpy.array_equal(array, expected):
            fail("the values differ from the image")
        return
    if kind == "nrrd":
        check_with_teem(path)
    volume, spacing, origin, dtype = read_with_vtk(kind, path)
    if dtype != numpy.uint8:
        fail(f"values of type {dtype}")
    if volume.shape != (24, 40, 128):
        fail(f"dimensions {volume.shape[::-1]}")
    if not numpy.allclose(spacing, (depth_step,) + pitches):
        fail(f"spacing {spacing}, expected {(depth_step,) + pitches}")
    if origin != (0, 0, 0):
        fail(f"origin {origin}")
    if not numpy.array_equal(volume, expected):
        fail("the values differ from the image")


main()
