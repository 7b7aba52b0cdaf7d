#include "HullMass.h"

namespace vphysx {

// Each face is fanned into triangles; each triangle with a reference point inside the hull
// makes a tetrahedron. Volume, first and second moments sum over the tetrahedra.
HullMass computeHullMass(const std::vector<btVector3>& vertices, const std::vector<std::vector<int>>& faces)
{
    HullMass result;
    if (vertices.empty()) return result;
    btVector3 reference(0, 0, 0);
    for (const btVector3& v : vertices) reference += v;
    reference /= btScalar(vertices.size());

    btScalar volume6 = 0;          // six times the volume
    btVector3 moment(0, 0, 0);     // 24 times the first moment
    btMatrix3x3 covariance(0, 0, 0, 0, 0, 0, 0, 0, 0);
    const btMatrix3x3 canonical(2, 1, 1, 1, 2, 1, 1, 1, 2);  // times 1/120
    for (const std::vector<int>& face : faces) {
        for (size_t i = 1; i + 1 < face.size(); ++i) {
            btVector3 a = vertices[face[0]] - reference;
            btVector3 b = vertices[face[i]] - reference;
            btVector3 c = vertices[face[i + 1]] - reference;
            btScalar det = a.dot(b.cross(c));
            volume6 += det;
            moment += det * (a + b + c);
            btMatrix3x3 columns(a.x(), b.x(), c.x(), a.y(), b.y(), c.y(), a.z(), b.z(), c.z());
            btMatrix3x3 tetra = columns * canonical * columns.transpose();
            for (int r = 0; r < 3; ++r) covariance[r] += tetra[r] * (det / 120);
        }
    }
    if (volume6 < 0) {  // faces wound inwards
        volume6 = -volume6;
        moment = -moment;
        for (int r = 0; r < 3; ++r) covariance[r] = -covariance[r];
    }
    if (volume6 <= 0) return result;

    result.volume = volume6 / 6;
    btVector3 offset = moment / (4 * volume6);
    result.centre = reference + offset;
    // Covariance about the centre, then inertia = trace * identity - covariance.
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) covariance[r][c] -= result.volume * offset[r] * offset[c];
    btScalar trace = covariance[0][0] + covariance[1][1] + covariance[2][2];
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) result.inertia[r][c] = (r == c ? trace : 0) - covariance[r][c];
    return result;
}

}  // namespace vphysx
