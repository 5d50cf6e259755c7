#ifndef VELMORA_D3D_H
#define VELMORA_D3D_H
/*
 * The 3-D library: draws a volume of 64 x 64 x 32 signed 16-bit cells as a
 * turnable three-dimensional picture into an area of a host window.
 *
 * Cell (x, y, z) is entry z * 4096 + y * 64 + x of the volume the host hands
 * to d3dinit_; x runs along depth (deepest at small x), y along the slices and
 * z along the layers. A row holds the 64 sample pairs of one trace at cells
 * 64 - j (pair j = 0 the shallowest): cells 1..63 of row y carry pairs 63..1,
 * and pair 0 of row y sits in cell 0 of row y + 1. Rows 0..59 hold the 40
 * slices (row y slice y * 2 / 3, cut toward zero) and planes 1..24 the 24
 * layers; the library shows those cells, in a box of their proportions. The
 * host keeps the volume alive and may rewrite it in place; the library reads
 * it again at every d3dreview_.
 *
 * The picture is drawn beneath the host window's own controls, in the area set
 * by d3dzero_ and d3dsize_, whose bottom edge is counted upward from the
 * bottom edge of the window. All calls come from the host's GUI thread.
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define D3D_API __attribute__((visibility("default")))

#define D3D_VOLUME_COLUMNS 64
#define D3D_VOLUME_ROWS 64
#define D3D_VOLUME_PLANES 32
/* Limits of the zoom factors that d3dscale_ changes; they start at 1. */
#define D3D_MINIMUM_ZOOM 0.2f
#define D3D_MAXIMUM_ZOOM 6.0f

/* window: the host's QWidget, or 0 to draw off screen only. */
D3D_API void d3dinit_(void *window, int16_t *volume, int32_t highestIndex, uint16_t bottomHeight);
/* 1 lights the cells from the viewer's side; 0 draws them flat. */
D3D_API void d3dlight_(uint16_t on);
/* Adds the three angles in degrees to the current turn: about the depth axis,
 * about the screen's vertical axis, about the screen's horizontal axis. */
D3D_API void d3drotate_(float depthAxis, float vertical, float horizontal);
/* Type 1 switches the volume's frame and axis marks on or off. */
D3D_API void d3dtype_(int32_t type);
/* Switches the frame and axis marks off. */
D3D_API void d3dzone_(void);
/* Places the cursor at (layer * 2, 64 - depth / 2, slice * 64 / 40), each cut
 * to a whole number, in the units of a 64-unit cube: first along z, then
 * along x, then along y. It is drawn at the middle of the slice and of the
 * layer those positions fall in, at depth 64 - x sample pairs. */
D3D_API void d3dmove_(float zPosition, float xPosition, float yPosition);
/* Shows the cursor. */
D3D_API void d3dcurse_(void);
/* Reads the volume again and shows the cells whose value is above threshold. */
D3D_API void d3dreview_(int32_t threshold);
/* Left edge and bottom offset (upward from the window's bottom) of the area. */
D3D_API void d3dzero_(uint16_t left, uint16_t bottom);
/* Width and height of the area. */
D3D_API void d3dsize_(uint16_t width, uint16_t height);
/* Adds the three values to the zoom factors (0.1 enlarges by a tenth). */
D3D_API void d3dscale_(float x, float y, float z);
/* The slice plane to outline: 0 = across slices (X), 1 = across depth (Z),
 * 2 = across layers (Y); it passes through the cursor. */
D3D_API void d3dorient_(int32_t axis);
/* Millimetres of 16 depth samples (the scan's depth scale), for the numbers
 * of the depth axis; 20 until set. */
D3D_API void d3ddepthscale_(int32_t millimetresPer16Samples);
/* Millimetres from one slice to the next and from one layer to the next; 0
 * (as until set) for one not known. With both known the box is drawn in
 * millimetres (depth by the depth scale), else one unit a slice, a layer and
 * a sample pair. */
D3D_API void d3dpitches_(float sliceMillimetres, float layerMillimetres);
/* Boxes drawn over the volume, each outlined and labelled with its number:
 * count boxes of six values each, in the volume's rows, sample pairs and
 * planes: first and last row (0..59), first and last pair (0..63, pair j in
 * cell 64 - j as above), first and last plane (1..24), a stretch past them
 * cut to them; numbers holds one number a box. The library keeps copies;
 * count 0 clears them. */
D3D_API void d3dmarks_(int32_t count, const int32_t *boxes, const int32_t *numbers);
/* Repaints the picture. */
D3D_API void d3dupdate_(void);
/* Releases the library; a second call does nothing. */
D3D_API void d3dclose_(void);

/* Draws the current picture into pixels, width * height 32-bit values
 * 0xAARRGGBB, row after row: for hosts that print or save it. */
D3D_API void d3dsnapshot_(uint32_t *pixels, uint16_t width, uint16_t height);

#ifdef __cplusplus
}
#endif

#endif
