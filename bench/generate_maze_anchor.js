// The anchor for big mazes: the npm package generate-maze 1.1.0 making a 1001 x 1001 maze
// under Node. Install it outside the project (npm install generate-maze@1.1.0 in a scratch
// folder) and point NODE_PATH at that folder's node_modules. Prints the milliseconds taken.
const generator = require('generate-maze');
const side = Number(process.argv[2] || 1001);
const start = process.hrtime.bigint();
const maze = generator(side, side, true, Math.floor(Math.random() * 1e9));
const end = process.hrtime.bigint();
if (maze.length !== side) throw new Error('no maze');
console.log(Number(end - start) / 1e6);
